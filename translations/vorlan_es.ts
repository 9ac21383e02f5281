<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es" sourcelanguage="en">
<context>
    <name>Language</name>
    <message>
        <source>System default</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Language</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The windows opened from now on speak the chosen language; the windows open now keep theirs, the main window until the next start.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>Zero Not Found</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save As</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Open</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>QPrintPreviewDialog</name>
    <message>
        <source>Print Preview - %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Theme</name>
    <message>
        <source>&amp;Theme</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;System</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Light</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Dark</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>vorlan needs a graphical display (X or Wayland: DISPLAY or WAYLAND_DISPLAY) and found none.
vorlan-cli computes the same tables and calculations without one.
</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>vorlan</name>
    <message>
        <source>Drag scale: not fitted.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Drag scale: %1 ± %2 over the whole flight.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 ± %2 at Mach %3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Drag scale: %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Velocity: %1 ± %2 f.p.s.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Residuals in uncertainties (r.m.s.): %1 before, %2 after.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Drag function: %1 %2, as its fit leaves the smaller weighted residual.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>first focal plane</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1x, true at %2x</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the shot&apos;s wind</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>shot</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>vorlan::CAboutDlg</name>
    <message>
        <source>Exterior ballistics and range tables for small arms and airguns</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Copyright (C) 2026 the Vorlan developers</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>About Vorlan</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Vorlan Version %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>vorlan::CAdvancedDlg</name>
    <message>
        <source>BC band %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>velocity (f.p.s.)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>BC</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 needs its %2: please enter a number, or clear the row.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Wind zone %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>range (yd.)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>speed (m.p.h.)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>direction (deg.)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Table of %1 points</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No table loaded</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Load Drag Table</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>CSV Files (*.csv)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>All Files (*)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: table of %2 points</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please enter two different powder temperatures.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The caliber names no diameter: enter Bullet Diameter.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Diameter in use: %1 in. (%2)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>vorlan::CFieldCardDlg</name>
    <message>
        <source>Left out to keep the type at %1 pt or more: %2. Choose fewer columns or a larger card.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>None</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The holds of the card&apos;s rows and winds drawn on a reticle, beside the table (pocket and half cards)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sight picture</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Sight Picture...</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>vorlan::CHitProbabilityDlg</name>
    <message>
        <source>From C&amp;hronograph...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Muzzle &amp;velocity SD</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ft/s</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;BC SD</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Range estimate SD</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Wind call SD</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Wind &amp;direction SD</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Precision</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Cant SD</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Target</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Ethical P(hit)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Samples</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Close</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Si&amp;ght Picture...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No spread is set: assumed are the typical spreads of a practised rifleman (velocity 10 ft/s, coefficient 2 %, range 3 %, wind call 2 mph, precision 0.5 MOA). OK keeps them with the shot.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Groups of %1 shots measuring %2 MOA from centre to centre, on average, are a spread of %3 MOA per axis: the mean extreme spread of %1 shots is %4 standard deviations.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The table has no range to count hits at.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Counting...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>P(hit) at %1 yd: %2 %</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>P(hit) at %1 yd: beyond the table</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Farthest ethical range: %1 yd (P(hit) stays at or above %2 % up to it).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Farthest ethical range: none (P(hit) is below %1 % at %2 yd already).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 sampled</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Error budget, in %1 ms.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Error budget, in %1 ms; %2 of %3 ranges sampled (%4 samples, seed %5), the impact being far from linear there.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No input alone makes a miss.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>vorlan::CLibraryDlg</name>
    <message>
        <source>Library</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Folder...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Filter: any text shown</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fil&amp;ter:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Open</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Save Current Shot...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Duplicate</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Rename...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Move to Rifle...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>De&amp;lete</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Import...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Export...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>From C&amp;hronograph...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>%n file(s) could not be read: %1</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <source>A7P Profiles (*.a7p)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Opened &quot;%1&quot; in the main window.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save Current Shot</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Not saved: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>(no rifle)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&quot;%1&quot; of %2 is in the library already. Replace it with the shot on screen?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Saved &quot;%1&quot;.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Duplicated as &quot;%1&quot;.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rename</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Not renamed: a load needs a name.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Not renamed: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Renamed to &quot;%1&quot;.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Move to Rifle</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Not moved: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Moved to (no rifle).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Moved to %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&quot;%1&quot; moved to the trash.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Import</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Shot Files and Profiles (*.vxf *.a7p)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Imported &quot;%1&quot; as &quot;%2&quot;.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>These fields of the profile have no place in a shot; the load keeps them for its export:
%1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Export</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Exported to &quot;%1&quot;.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&quot;%1&quot; takes a muzzle velocity of %2 ft/s and an MV SD of %3 ft/s.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&quot;%1&quot; takes an MV SD of %2 ft/s.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Library Folder</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The folder could not be remembered in &quot;%1&quot;: %2</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>vorlan::CSightPictureDlg</name>
    <message>
        <source>Sight Picture - %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reticle &amp;File...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>as the reticle is made</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A magnification here makes the reticle second focal plane, true at it</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Dial the elevation, hold the wind</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hold everything</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Dial the zero at a range, hold the rest</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>e.g. 300, 400, 500</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>e.g. 2, 4 (m/s)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>e.g. 5, 10 (mph)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Full value from the right</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Reticle</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Magnification</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Second plane, &amp;true at</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Holds</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Zero dialled at (m)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Zero dialled at (yd)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ra&amp;nges (m)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ra&amp;nges (yd)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Winds (m/s)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Winds (mph)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Open Reticle</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reticle Files (*.vrt)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>All Files (*)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Print...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Print Pre&amp;view</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Export...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Close</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The magnification is not a number.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The magnification the reticle is true at is not a number.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The range of the zero is not a number.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Export Sight Picture</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>PDF Files (*.pdf)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>SVG Files (*.svg)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>PNG Files (*.png)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The sight picture could not be saved to &quot;%1&quot;.
%2</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>vorlan::CTruingDlg</name>
    <message>
        <source>Truing - %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Load Observations</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>CSV Files (*.csv)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>All Files (*)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Observations Not Loaded</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Observations not loaded from %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: %2 observations loaded. Press Fit.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Observations loaded from %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>There are no observations to save.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save Observations</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Observations saved to %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Observations not saved.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Observations Not Saved</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The observations could not be saved to &quot;%1&quot;.
%2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>There are no observations: enter a range and what you dialled, measured or timed there.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fitted: Apply writes the fitted values into the shot.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Not fitted: the reason is given above.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The shot has changed since the fit: press Fit again before Apply.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Not applied: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>, drag function %1 %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Applied: velocity %1 f.p.s.%2, drag scale %3. Clear Truing takes it back.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Truing taken back: velocity %1 f.p.s. and the drag scale as they were before Apply.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Truing cleared: the velocity is back to %1 f.p.s., as entered before truing.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Drag scale cleared; the velocity stays %1 f.p.s.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No truing is in force.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>vorlan::CVorlan2Dlg</name>
    <message>
        <source>Projectile and Sight</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Wind and Target</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Atmosphere</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Air Density</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>What&apos;s this?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Open Load</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The shot on screen has changes that are not saved. Open &quot;%1&quot; in its place?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Baseline set: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Compares the current shot with the baseline &quot;%1&quot;.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>
It is left as it is: the settings will not be saved over it at exit.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Settings Not Read</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The settings could not be read from &quot;%1&quot;.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The extra shot inputs could not be read from &quot;%1&quot;.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Settings Out of Bounds</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The settings hold values outside their bounds; correct them before closing:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Settings Not Saved</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The settings could not be saved to &quot;%1&quot;.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The extra shot inputs could not be saved to &quot;%1&quot;.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save Failed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The shot could not be saved to &quot;%1&quot;.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Load Failed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The shot file &quot;%1&quot; could not be read.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Load</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Part of &quot;%1&quot; could not be read:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&quot;%1&quot; not opened: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>not a shot file (.vxf)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>not a shot file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Values Out of Bounds</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&quot;%1&quot; holds values outside their bounds; correct them before computing:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Preferences Not Saved</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The theme could not be saved to &quot;%1&quot;.
%2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>About Vorlan</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The language could not be saved to &quot;%1&quot;.
%2</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>vorlan::ChronoPlot</name>
    <message>
        <source>Velocity by shot</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>vorlan::ChronographDialog</name>
    <message>
        <source>From Chronograph</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Shot</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Velocity (ft/s)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Clear a shot&apos;s box to leave it out (a fouler or a flyer)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1, %2 shots</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Set the shot&apos;s muzzle &amp;velocity to the mean as well</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Keep at least two shots for a standard deviation.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Shots: %1
Mean: %2 ft/s
SD: %3 ft/s
Extreme spread: %4 ft/s</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Open Chronograph Session</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Chronograph sessions (*.csv *.txt)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>All files (*)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The session holds fewer than two shots, so no standard deviation.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>vorlan::CsvExportDialog</name>
    <message>
        <source>Only the &amp;printed rows</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Holds: true MOA, mil and clicks</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Export CSV</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Imperial</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Metric</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Click value:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Units:</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>vorlan::HelpBrowser</name>
    <message>
        <source>&lt; &amp;Back</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Forward &gt;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Contents</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Vorlan Help</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The help pages are in English.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>vorlan::HitScatterView</name>
    <message>
        <source>Grid %1 in; up and right as the shooter sees them</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Impacts at %1 yd: %2 of %3 hit (%3 of %4 samples shown)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Impacts at the target range</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>vorlan::LibraryModel</name>
    <message>
        <source>(no rifle)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>custom drag</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> (bands)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Caliber</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Weight (gr)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>BC and Drag</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Velocity (ft/s)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sight-In (yd)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Last Changed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it holds no shot-file line</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: &quot;%2&quot; has changed since it was read (by another window or program). Nothing was written; look at it again and repeat.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: the file is not a shot file (it holds no shot-file line).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: &quot;%2&quot; could not be moved to the trash (%3).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Not saved</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Not duplicated</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Not renamed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Not moved</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the desktop&apos;s trash did not take it</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Not deleted</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&quot;%1&quot; not imported</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Not exported</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Not changed</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>vorlan::LoadNamingDlg</name>
    <message>
        <source>(no rifle)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Rifle:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Name:</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>vorlan::TrajectoryWindow</name>
    <message>
        <source>&amp;Library...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Close	Ctrl+W</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sight &amp;Picture...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Preferences Not Saved</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The theme could not be saved to &quot;%1&quot;.
%2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Language</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The language could not be saved to &quot;%1&quot;.
%2</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
