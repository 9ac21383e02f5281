<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ru" sourcelanguage="en">
<context>
    <name>Chart</name>
    <message>
        <source>Range (%1)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Drop and windage (%1)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Velocity (%1)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the file name must end in .png or .svg</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the picture could not be drawn</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>drop - - windage ··· ft/s</source>
        <extracomment>The legend key&apos;s words and marks, measured for the legend&apos;s width: translate as the key.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>— drop  - - windage  ··· %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>  ○ observed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ethical %1 %2 (P(hit) %3 %)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>P(hit), 0 to 100 %</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>P(hit)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Line of sight</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sight-in %1 %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Target %1 %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mach %1 at %2 %3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Max. ordinate %1 %2 at %3 %4</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ChartDialogs</name>
    <message>
        <source>Export Chart</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>PNG Pictures (*.png)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>SVG Drawings (*.svg)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Add to Chart</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>DataExchange</name>
    <message>
        <source>Please enter a number.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please enter an integer.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please enter a number between %1 and %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please enter no more than %1 characters.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>HelpTexts</name>
    <message>
        <source>The main window: describe one shot, then run a command with the buttons below.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Derives a ballistic coefficient from two chronograph velocities.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The longest distance the shot can reach, its firing elevation and its highest point.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The optimum point-blank zero for a vital zone of the given diameter.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The current shot compared with the baseline at the target range.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Energy, velocity, bullet weight, power factor and recoil energy.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Effects beyond the standard flight: wind from any side, spin, the Earth&apos;s rotation, powder, drag.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A field card of the shot: the elevation and wind holds at a few ranges, sized for a pocket, a page or a strip.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rows every step yards (metres) from the first range to the last.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Named targets at their ranges, one a line or comma-separated: &quot;Gong 1 = 327&quot;.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The wind speeds of the wind columns, each a full-value wind from the right over the whole flight (in place of the shot&apos;s wind zones): mph, or m/s in metric.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Up to three temperatures: the elevation at each, with the zero of the shot&apos;s own air (and the powder&apos;s sensitivity when one is set).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The card&apos;s size. The card takes the largest type that fits, turned landscape when that reads larger; a pocket card leaves its last columns out rather than go below 7 pt, and says which. A card that cannot hold its rows says so instead of cutting them.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Several cards on one sheet, with cut marks.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Truing: fit the muzzle velocity and the drag to what you observed at real ranges, so that the table matches the rifle.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>What is fitted besides the velocity: nothing, one drag factor over the whole flight, or a drag scale by Mach; by default one range fits the velocity alone, two to four one factor, five or more reaching below Mach 1.08 the scale by Mach.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reads observations from a CSV file whose header names range_yd and any of up_moa, up_mil, up_clicks, drop_in, velocity_fps, time_s, sigma_moa and sigma_fps.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Writes the observations to a CSV file of the same columns.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fits the main window&apos;s shot to the observations: the fitted values with their standard errors, the residuals before and after, and the chart.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Writes the fitted velocity into the main window and the drag scale into the shot: every table and calculation then flies them.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Takes the truing out of the shot: the velocity and drag scale from before Apply, or without an Apply here the drag scale alone.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Each reading observed minus predicted, with the shot as it was and with the fitted values, in the reading&apos;s unit; the fit weighs each by its uncertainty (the ± column).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The observed points (rings, with bars as long as their uncertainty) over the drop predicted before and after the fit.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Closes the window and keeps the observations with the shot.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Closes the window; the shot keeps the observations it had. What Apply wrote stays.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Opens the Truing window: the velocity and drag fitted to the holds observed at real ranges.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Closes the window and keeps its inputs in the shot; a field out of its bounds keeps it open.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Opens a Field Card window: the holds for chosen ranges, targets, winds and temperatures, to print or export.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>How likely the first shot hits the target at each range when the load, the range, the wind call, the rifle and shooter and the cant each spread the shot.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The rifle and shooter&apos;s spread: a standard deviation per axis, or the mean size of groups of 2 to 10 shots, converted to one.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The target, aimed at its centre: a circle&apos;s diameter (the OPBZ vital zone unless set) or a rectangle.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Closes the window and keeps its inputs with the shot, assumed spreads included.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Closes the window; inputs you typed are kept with the shot already, assumed spreads are not.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The farthest ethical range is the last range up to which P(hit) stays at or above this level.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Opens a Sight Picture window of the shot: where to hold, drawn on a reticle.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Opens a Sight Picture window of the shot in the card&apos;s units: where to hold, drawn on a reticle.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Draws the holds of the card&apos;s rows and winds on this reticle, beside the table of a pocket or half card.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Where to hold, drawn on the reticle at the magnification in use: the shot&apos;s own point, a ladder of ranges and the wind dots.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The reticle the holds are drawn on: a built-in one, or one read from a reticle file.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reads a reticle of your own from a reticle file (.vrt) and picks it; a faulty file is refused with its line.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The magnification in use, from 1 to 100. A second-plane reticle&apos;s marks span (true at) / (in use) times their angle.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Empty: the reticle as it is made. A magnification here makes it second focal plane, true at that magnification.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>How the holds share the work with the turret: dial the elevation and hold the wind, hold everything, or dial the zero of one range and hold the rest.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The range whose elevation is dialled when the holds dial a zero: yards, or metres in metric.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A holdover ladder: a point at each range, labelled with it (yards, or metres in metric).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Wind dots: a point at each range for each wind speed, full value from the right (mph, or m/s in metric).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The scope&apos;s circle: each point is where the target goes, labelled with its range; a hold beyond the reticle stands at its edge with an arrow.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Every hold as the shooter would say it, a hold beyond the reticle told as what to dial and what to hold.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Prints the picture on one square page.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Shows the printed page before it is printed.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Writes the picture as a PDF, SVG or PNG file.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Closes the window.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Opens a Hit Probability window: the chance of a first-shot hit at every range and the farthest ethical shot.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Opens the Library: every rifle and load kept together, to open, save, duplicate, rename, move or delete.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The library: the shot files of one folder, grouped by rifle. Open loads one into the main window.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Shows only the loads with this text in any column, or of a rifle whose name holds it.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stores the main window&apos;s shot in the library under the rifle and name you give.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Opens the Advanced window: wind from any direction, spin drift, Coriolis, powder temperature, drag.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>G1: the standard flat-based projectile, the drag function of most published coefficients.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>G7: long boat-tailed rifle bullets.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>G2: the Aberdeen J projectile.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>G8: flat-based bullets with a long ogive.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>G6: flat-based spitzer bullets.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>G5: short boat-tailed bullets.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sets the standard sea-level atmosphere (59 degrees Fahrenheit, 29.92 inches of mercury, dry air, altitude 0) and shows its density.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>GL: lead ball.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Gi: the Ingalls projectile.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Computes the air density of the temperature, pressure, humidity and altitude entered.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sets the ICAO standard atmosphere at the altitude entered, with its pressure at that altitude (Station B.P. checked), and shows its density.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Flies the shot, zeroed at the sight-in range, and opens its range table in a window of its own.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Opens a window comparing the current shot with the baseline at the target range.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Remembers the current shot as the baseline for Shoot.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Opens Compute BC: a ballistic coefficient from two chronograph readings.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Opens Maximum Range: the longest distance and height the shot can reach.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Opens OPBZ: the optimum point-blank zero for a vital zone.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Opens the energy, velocity, weight and recoil calculator.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>GS: spherical ball.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>RA4: .22 rimfire bullets and airgun pellets.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Click here, then on any field or button, to see what it does.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Opens the Vorlan user&apos;s guide.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Notes on what a command did (a baseline set) or why a file given to the program was not opened.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>How much higher (positive) or lower (negative) the current shot strikes than the baseline, in inches.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>How much further to the side the current shot strikes than the baseline, in inches.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The name of the shot that Set Baseline kept.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The name of the current shot.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Why the shots were compared short of the target range, or that no baseline was set.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The ballistic coefficient that gives the measured velocity loss, for the drag function shown.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Puts the coefficient shown into the main window&apos;s Ballistic Coefficient field.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Computes the coefficient for the main window&apos;s atmosphere and drag function.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The name of the shot.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>How far the bullet can fly over level ground, in yards.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The elevation of the bore that gives the longest range, in degrees.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The highest point of the longest trajectory above the muzzle, in feet.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The bullet&apos;s speed at the end of the longest trajectory, in feet per second.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The bullet&apos;s energy at the end of the longest trajectory, in foot-pounds.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Time of flight of the longest trajectory, in seconds.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>How high the bullet climbs when fired straight up, in feet.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>How long the straight-up climb takes, in seconds.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The sight-in range in yards that keeps the bullet inside the zone the longest.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The range in yards where the bullet first comes up into the zone.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The range in yards where the bullet drops out of the zone.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Finds the optimum zero for the shot in the main window.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Calculate the energy from the velocity and the weight.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Calculate the velocity from the weight and the energy.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Calculate the weight from the velocity and the energy.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Calculates the value the chosen mode derives, and the power factor.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Calculates the recoil energy of the gun from the bullet, the powder and the gun weight.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Keeps the colour shown; it is stored when Vorlan ends.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Goes back to the colour kept last.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Red part of the colour of all Vorlan windows, 0 to 255.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Green part of the colour of all Vorlan windows, 0 to 255.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Blue part of the colour of all Vorlan windows, 0 to 255.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Enter the wind direction in degrees, 0 to 360, clockwise from the line of fire.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Enter the wind direction as a clock hour, 0 to 12: 12 from the target, 3 from the right.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Check for a barrel whose rifling turns to the left: the bullet drifts to the left.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Gyroscopic stability factor by Miller&apos;s rule, for the main window&apos;s velocity and air.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Judged on the factor as shown: below 1.00 unstable, to 1.29 marginal, 1.30 to 1.50 fair, above 1.50 stable.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Check to let a crosswind at the muzzle throw the bullet up or down (Litz&apos;s fit; needs twist, length and diameter). The zero is taken without it.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The bullet diameter spin drift and stability use: the one entered, or the caliber&apos;s.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Check to zero the rifle in the conditions below, in still air on a level range, and fly today&apos;s conditions at that angle.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Check to let the Earth&apos;s rotation move the bullet (Coriolis and Eotvos effects).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The muzzle velocity in feet per second that the powder temperature gives.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Computes the sensitivity from the two velocities and their temperatures.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Check to fly the loaded Mach and drag-coefficient table instead of the drag function chosen.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Loads a drag table from a CSV file: Mach and Cd on each line, Mach increasing, a header allowed.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The drag table held, or what is wrong with the file last loaded.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The range of the observation in yards, 1 to 5000.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The elevation dialled or held up to hit the centre, in true MOA (1/60 degree).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The elevation dialled or held up to hit the centre, in mil.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The elevation dialled up to hit the centre, in clicks of the shot&apos;s click value.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The drop in inches with the shot&apos;s own zero, negative below the line of sight.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A velocity in feet per second measured at the range (a Doppler radar, a second chronograph).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The time of flight to the range in seconds.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>How sure the row&apos;s holds and drop are, in MOA (0.1 when blank; half a click for clicks).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>How sure the row&apos;s velocity is, in feet per second (5 when blank).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No help topic is associated with this item.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
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
        <source>Windows opened from now on use the chosen language. Windows already open keep theirs; the main window changes at the next start.</source>
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
    <name>SideWindow</name>
    <message>
        <source>Wind Speed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>m.p.h.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Wind speed in miles per hour, 0 to 200; above 0 it replaces the Crosswind of the main window.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Wind From</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Where the wind comes from: 0 to 360 degrees clockwise from the target (90 from the right), or 0 to 12 on the clock face (12 from the target, 3 from the right).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Twist Rate</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>in./turn</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Barrel twist in inches per turn, 0 to 100; 0 leaves spin drift out.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bullet Length</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>in.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Length of the bullet in inches, 0 to 10.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bullet Diameter</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Diameter of the bullet in inches, 0 to 2; 0 takes the caliber&apos;s bullet diameter (6.5x is 0.264, 30-0 0.308).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Latitude</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>deg. N</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Latitude of the firing point in degrees, -90 to 90: north positive, south negative.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Azimuth of Fire</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>deg.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Direction of fire in degrees clockwise from north, 0 to 360.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sensitivity</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>f.p.s./deg. F</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Change of muzzle velocity in feet per second per degree Fahrenheit of powder, -50 to 50; 0 is off.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Powder Temp.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>deg. F</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Temperature of the powder at the shot in degrees Fahrenheit, -150 to 150.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reference Temp.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Powder temperature in degrees Fahrenheit, -150 to 150, at which the main window&apos;s velocity was measured.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Temperature</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Air temperature in degrees Fahrenheit, -150 to 150, on the day the rifle was zeroed.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pressure</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>in. Hg</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The barometer&apos;s reading where the rifle was zeroed, in inches of mercury, 10 to 35: the pressure at the site, not reduced to sea level.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Humidity</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Relative humidity in percent, 0 to 100, on the day of the zero.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Temperature of the powder in degrees Fahrenheit, -150 to 150, when the rifle was zeroed.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A chronograph velocity in feet per second, 1 to 5000, measured at the temperature beside it.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Powder temperature in degrees Fahrenheit, -150 to 150, of the velocity beside it.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A second chronograph velocity in feet per second, 1 to 5000, at another powder temperature.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Powder temperature in degrees Fahrenheit, -150 to 150, of the second velocity.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Velocity of a band in feet per second, 0 to 5000: the band&apos;s coefficient holds at and above it, up to the next faster band.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ballistic coefficient of the band, 0.0001 to 2, for the drag function.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Range in yards, 1 to 100000, up to which this zone&apos;s wind blows (from the zone above); the last zone blows to the end.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Wind speed of the zone in miles per hour, 0 to 200.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Where the zone&apos;s wind comes from: 0 to 360 degrees clockwise from the target (90 from the right).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Adjusted Velocity</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>f.p.s.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Near Velocity</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>fps</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Velocity measured at the chronograph nearer the muzzle, in feet per second, 1 to 5000.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Far Velocity</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Velocity measured at the chronograph farther down range, in feet per second, 0 to 5000; it must be lower than the near velocity.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Distance</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ft</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Distance between the two chronographs in feet, a whole number from 1 to 5000.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Target Diameter</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Diameter of the vital zone in inches, 0.01 to 100; the bullet may rise or fall half of it from the line of sight.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Optimum Point Blank Zero</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Minumum Point Blank Range</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Maximum Point Blank Range</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Velocity</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bullet velocity in feet per second, 0 or more.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Weight</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>grains</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bullet weight in grains, 0 or more.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Energy</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ft.lbs.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bullet energy in foot-pounds, 0 or more.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Power Factor</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Power factor: weight in grains times velocity in feet per second, divided by 1000.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Gun Weight</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ounces</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Weight of the gun in ounces, 1 to 1000 (16 ounces make a pound).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Powder Weight</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Weight of the powder charge in grains, 0 to 200.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Recoil Energy</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Energy of the gun&apos;s recoil in foot-pounds.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Terminal Range</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>yards</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Firing Elevation  (deg.)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Maximum Height</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>feet</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Terminal Velocity</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ft/sec</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Terminal Energy</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ft-lbs</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Time of Flight (sec.s)</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>SightPicture</name>
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
    <name>TableDialogs</name>
    <message>
        <source>Save As</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Text Files (*.txt)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Export CSV</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>CSV Files (*.csv)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Export Field Card</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Field Cards (*.pdf *.svg *.png)</source>
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
    <message>
        <source>Usage: vorlan [QT-OPTIONS] [SHOT.vxf]
The Vorlan exterior-ballistics calculator: one shot per window, its range table, chart and
side calculations.

  SHOT.vxf     a shot file to open after the settings are read
  QT-OPTIONS   the standard options of Qt programs (-platform NAME, -style NAME, ...)
  --help       print this help and exit
  --version    print the version and exit

The command-line program vorlan-cli runs the same calculations without a window.
</source>
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
        <source>&amp;Close</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Advanced</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Diameter in use: %1 (%2)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>in.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Degrees</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Clock</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Wind</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Left-Hand Twist</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Aerodynamic Jump</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stability Factor (Sg)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Spin</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Earth&apos;s Rotation (Coriolis)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Coriolis</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>f.p.s. at</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>deg. F</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Compute</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>From Two Chronograph Readings</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Powder</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Custom</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Load CSV...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>BC Bands: from (f.p.s.)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Drag</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>To (yd.)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>m.p.h.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>From (deg.)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Wind Zones</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Zero in These Conditions</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Zero Conditions</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fit the velocity and the drag to the holds observed at real ranges.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Truing...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Truing</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>vorlan::CColorDlg</name>
    <message>
        <source>Dialog Color</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Revert</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Red</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Blue</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Green</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>vorlan::CColorMsgBox</name>
    <message>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Invalid Entry</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>vorlan::CComputeBC</name>
    <message>
        <source>The two velocities are equal: there is no loss to measure.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The far velocity is above the near one: no coefficient slows a bullet that way.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The loss is too small over this distance: the coefficient would be above 1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>These readings give no usable coefficient.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Compute Ballistic Coefficient</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>New BC</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Set New BC</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Compute</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>New BC  (%1)</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>vorlan::CComputeOPBZ</name>
    <message>
        <source>Compute Optimum Point Blank Zero (OPBZ)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Compute</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>vorlan::CEVWCalculations</name>
    <message>
        <source>Energy from Velocity and Weight</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Velocity from Weight and Energy</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Weight from Velocity and Energy</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Energy, Velocity and Weight Calculations</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Calculate</source>
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
    <message>
        <source>Field Card - %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>from:to:step</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Gong 1 = 327
Ridge = 612</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>none</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>MOA</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>mil</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Clicks of %1</source>
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
        <source>Velocity</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Time of flight</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Energy</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>One card</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Several on letter</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Several on A4</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ranges (from:to:step)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Targets (name = range)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Winds</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Temperatures</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Elevation and wind in</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Units</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Also</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Card</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sheet</source>
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
        <source>P&amp;rint Setup...</source>
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
        <source>Pocket</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Half page</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Full page</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Strip</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>m/s, full value from the right</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>mph, full value from the right</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Up to three, deg. C</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Up to three, deg. F</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The field card could not be saved to &quot;%1&quot;.
%2</source>
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
    <message>
        <source> ± %1 %</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: &quot;%2&quot; is not a number.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hit Probability - %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No spread is set: assumed are the typical spreads of a practised rifleman (velocity %1 %2, coefficient 2 %, range 3 %, wind call %3 %4, precision 0.5 MOA). OK keeps them with the shot.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ethical P(hit)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ethical P(hit): a percentage from 0 to 100.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Samples</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Samples: a whole number from %1 to %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Muzzle velocity SD</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Range estimate SD</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Wind call SD</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>BC SD</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Wind direction SD</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cant SD</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Precision</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Shots in the group</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Shots in the group: a group of 2 to 10 shots.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Target width</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Target height</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Target: give its size in inches.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Target: give its size in %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>P(hit) at %1: %2 %</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>P(hit) at %1: beyond the table</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Farthest ethical range: %1 (P(hit) stays at or above %2 % up to it).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Farthest ethical range: none (P(hit) is below %1 % at %2 already).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Standard deviation of the muzzle velocity from shot to shot</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>How well the ballistic coefficient is known, in percent of it</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Standard deviation of the range estimate</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Standard deviation of the wind call&apos;s speed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Standard deviation of the wind call&apos;s direction</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The rifle and shooter&apos;s spread of shots at the same aim</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Shots in each group measured (2 to 10)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Standard deviation of the rifle&apos;s cant at the shot</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The diameter of the circle (the OPBZ vital zone unless set), or the width</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The height of the rectangle</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The P(hit) an ethical shot must reach</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sampled shots where the error budget falls back to samples: more shrink the error as one over their square root</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>% of range</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>MOA, SD per axis</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>MOA group of</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Circle</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rectangle</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>shots</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>x</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>deg.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>P(hit) %</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>± %</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>m</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>yd</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Range (m)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Range (yd)</source>
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
    <message>
        <source>VXF Files (*.vxf)</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>vorlan::CMaximumRangeDlg</name>
    <message>
        <source>Compute Maximum Range</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>(G1 Drag)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Maximum Distance</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Maximum Height</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>(%1 Drag Function)</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>vorlan::CShoot</name>
    <message>
        <source>Shot Comparison Results</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Chart</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Relative Drop (in.)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Relative Drop (%1)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Relative Drift (in.)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Relative Drift (%1)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Target Range (yards)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Target Range (%1)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Baseline Gun/Projectile/Shot Name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Current Gun/Projectile/Shot Name</source>
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
    <message>
        <source>&amp;Winds (%1)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>e.g. %1, %2 (%3)</source>
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
        <source>No truing is in force.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Truing</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it holds %1 observations; the window takes %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Applied: velocity %1%2, drag scale %3. Clear Truing takes it back.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Truing taken back: velocity %1 and the drag scale as they were before Apply.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Truing cleared: the velocity is back to %1, as entered before truing.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Drag scale cleared; the velocity stays %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Range
yd.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Up
MOA</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Up
mil</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Up
clicks</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Drop
in.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Velocity
f.p.s.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Time
s</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>± Hold
MOA</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>± Vel.
f.p.s.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Load CSV...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Save CSV...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Observations</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Chosen by the number of ranges</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Velocity only</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Velocity and one drag factor</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Velocity and drag scale by Mach</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Fit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fit:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Enter what you observed at real ranges, then press Fit.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Observed points over the predicted drop, before and after the fit:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Residuals, observed minus predicted:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Apply</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Clear Truing</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Range (yd.)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Range (%1)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reading</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Observed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Before</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>After</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Up (MOA)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Up (mil)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Up (clicks)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Drop (in.)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Velocity (f.p.s.)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Time (s)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>± Hold (MOA)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>± Vel. (f.p.s.)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <translation type="unfinished"></translation>
    </message>
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
        <source>As entered: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Trued: %1, drag scale %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Velocity: %1 ± %2</source>
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
        <source>%1 f.p.s.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>vorlan::CUnitsDlg</name>
    <message>
        <source>Units</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Preset</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Imperial</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Metric</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Preferences Not Saved</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The units could not be saved to &quot;%1&quot;.
%2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Distance</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Velocity</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bullet weight</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sight height and lengths</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Drop and windage</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Temperature</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pressure</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Altitude</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Wind and target speed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Energy</source>
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
    <message>
        <source>Language</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Units...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Calculations</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Advanced...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Std. Atmosphere</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ICAO Atmosphere</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Range Table</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Set Baseline</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Shoot</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Compute BC</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OPBZ</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Maximum Range</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Field Card...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hit &amp;Probability...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Library...</source>
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
        <source>Impacts at the target range</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Grid %1 %2; up and right as the shooter sees them</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Impacts at %1: %2 of %3 hit (%3 of %4 samples shown)</source>
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
    <name>vorlan::TableViewCommands</name>
    <message>
        <source>&amp;Holds</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Units</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Imperial</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Metric</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Click &amp;Value</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Preferences Not Saved</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The table&apos;s view could not be saved to &quot;%1&quot;.
%2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The range table could not be exported to &quot;%1&quot;.
%2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Units...</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>vorlan::TrajectoryChartCommands</name>
    <message>
        <source>&amp;Export Chart...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Table</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Chart</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Add to Chart...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Reset Zoom</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>View</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Add to Chart</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Open the range table of another shot first.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Choose a file name ending in .png or .svg.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The chart could not be exported to &quot;%1&quot;.
%2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Trajectory Chart - </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Print...	Ctrl+P</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>vorlan::TrajectoryChartView</name>
    <message>
        <source>&amp;Remove &quot;%1&quot; from Chart</source>
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
    <message>
        <source>&amp;File</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Save As ...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Print...	Ctrl+P</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Print Pre&amp;view</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>P&amp;rint Setup...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Export &amp;CSV...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Field C&amp;ard...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Hit Probability...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Truing...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Copy	Ctrl+C</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Copy as &amp;Text	Ctrl+Shift+C</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Select &amp;All	Ctrl+A</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The range table could not be saved to &quot;%1&quot;.
%2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Print Preview - </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Trajectory Table - %1</source>
        <translation>Баллистическая таблица - %1</translation>
    </message>
</context>
</TS>
