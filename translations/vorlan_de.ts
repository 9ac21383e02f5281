<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de" sourcelanguage="en">
<context>
    <name>Chart</name>
    <message>
        <source>Range (%1)</source>
        <translation>Entfernung (%1)</translation>
    </message>
    <message>
        <source>Drop and windage (%1)</source>
        <translation>Fallhöhe und Windabdrift (%1)</translation>
    </message>
    <message>
        <source>Velocity (%1)</source>
        <translation>Geschwindigkeit (%1)</translation>
    </message>
    <message>
        <source>the file name must end in .png or .svg</source>
        <translation>der Dateiname muss auf .png oder .svg enden</translation>
    </message>
    <message>
        <source>the picture could not be drawn</source>
        <translation>das Bild konnte nicht gezeichnet werden</translation>
    </message>
    <message>
        <source>drop - - windage ··· ft/s</source>
        <extracomment>The legend key&apos;s words and marks, measured for the legend&apos;s width: translate as the key.</extracomment>
        <translation>Fallhöhe - - Windabdrift ··· ft/s</translation>
    </message>
    <message>
        <source>— drop  - - windage  ··· %1</source>
        <translation>— Fallhöhe  - - Windabdrift  ··· %1</translation>
    </message>
    <message>
        <source>  ○ observed</source>
        <translation>  ○ beobachtet</translation>
    </message>
    <message>
        <source>Ethical %1 %2 (P(hit) %3 %)</source>
        <translation>Waidgerecht %1 %2 (P(Treffer) %3 %)</translation>
    </message>
    <message>
        <source>P(hit), 0 to 100 %</source>
        <translation>P(Treffer), 0 bis 100 %</translation>
    </message>
    <message>
        <source>P(hit)</source>
        <translation>P(Treffer)</translation>
    </message>
    <message>
        <source>Line of sight</source>
        <translation>Visierlinie</translation>
    </message>
    <message>
        <source>Sight-in %1 %2</source>
        <translation>Einschießentfernung %1 %2</translation>
    </message>
    <message>
        <source>Target %1 %2</source>
        <translation>Ziel %1 %2</translation>
    </message>
    <message>
        <source>Mach %1 at %2 %3</source>
        <translation>Mach %1 bei %2 %3</translation>
    </message>
    <message>
        <source>Max. ordinate %1 %2 at %3 %4</source>
        <translation>Gipfelhöhe %1 %2 bei %3 %4</translation>
    </message>
</context>
<context>
    <name>ChartDialogs</name>
    <message>
        <source>Export Chart</source>
        <translation>Diagramm exportieren</translation>
    </message>
    <message>
        <source>PNG Pictures (*.png)</source>
        <translation>PNG-Bilder (*.png)</translation>
    </message>
    <message>
        <source>SVG Drawings (*.svg)</source>
        <translation>SVG-Zeichnungen (*.svg)</translation>
    </message>
    <message>
        <source>Add to Chart</source>
        <translation>Zum Diagramm hinzufügen</translation>
    </message>
</context>
<context>
    <name>DataExchange</name>
    <message>
        <source>Please enter a number.</source>
        <translation>Bitte eine Zahl eingeben.</translation>
    </message>
    <message>
        <source>Please enter an integer.</source>
        <translation>Bitte eine ganze Zahl eingeben.</translation>
    </message>
    <message>
        <source>Please enter a number between %1 and %2.</source>
        <translation>Bitte eine Zahl zwischen %1 und %2 eingeben.</translation>
    </message>
    <message>
        <source>Please enter no more than %1 characters.</source>
        <translation>Bitte höchstens %1 Zeichen eingeben.</translation>
    </message>
</context>
<context>
    <name>HelpTexts</name>
    <message>
        <source>The main window: describe one shot, then run a command with the buttons below.</source>
        <translation>Das Hauptfenster: einen Schuss beschreiben und dann mit den Schaltflächen darunter einen Befehl ausführen.</translation>
    </message>
    <message>
        <source>Derives a ballistic coefficient from two chronograph velocities.</source>
        <translation>Ermittelt einen ballistischen Koeffizienten aus zwei Chronographengeschwindigkeiten.</translation>
    </message>
    <message>
        <source>The longest distance the shot can reach, its firing elevation and its highest point.</source>
        <translation>Die größte Entfernung, die der Schuss erreichen kann, mit Abgangswinkel und Gipfelhöhe.</translation>
    </message>
    <message>
        <source>The optimum point-blank zero for a vital zone of the given diameter.</source>
        <translation>Die günstigste Einschießentfernung (GEE) für eine Vitalzone des angegebenen Durchmessers.</translation>
    </message>
    <message>
        <source>The current shot compared with the baseline at the target range.</source>
        <translation>Der aktuelle Schuss im Vergleich zur Referenz auf die Zielentfernung.</translation>
    </message>
    <message>
        <source>Energy, velocity, bullet weight, power factor and recoil energy.</source>
        <translation>Energie, Geschwindigkeit, Geschossgewicht, Power Factor und Rückstoßenergie.</translation>
    </message>
    <message>
        <source>Effects beyond the standard flight: wind from any side, spin, the Earth&apos;s rotation, powder, drag.</source>
        <translation>Einflüsse über die Standardflugbahn hinaus: Wind von jeder Seite, Drall, Erdrotation, Pulver, Luftwiderstand.</translation>
    </message>
    <message>
        <source>A field card of the shot: the elevation and wind holds at a few ranges, sized for a pocket, a page or a strip.</source>
        <translation>Eine Schusskarte: die Höhen- und Windhaltepunkte auf einigen Entfernungen, bemessen für die Tasche, eine Seite oder einen Streifen.</translation>
    </message>
    <message>
        <source>Rows every step yards (metres) from the first range to the last.</source>
        <translation>Zeilen im Abstand der Schrittweite in Yards (Metern) von der ersten bis zur letzten Entfernung.</translation>
    </message>
    <message>
        <source>Named targets at their ranges, one a line or comma-separated: &quot;Gong 1 = 327&quot;.</source>
        <translation>Benannte Ziele mit ihren Entfernungen, eines je Zeile oder durch Kommas getrennt: &quot;Gong 1 = 327&quot;.</translation>
    </message>
    <message>
        <source>The wind speeds of the wind columns, each a full-value wind from the right over the whole flight (in place of the shot&apos;s wind zones): mph, or m/s in metric.</source>
        <translation>Die Windgeschwindigkeiten der Windspalten, jede als voller Wind von rechts über die ganze Flugbahn (statt der Windzonen des Schusses): mph, metrisch m/s.</translation>
    </message>
    <message>
        <source>Up to three temperatures: the elevation at each, with the zero of the shot&apos;s own air (and the powder&apos;s sensitivity when one is set).</source>
        <translation>Bis zu drei Temperaturen: die Höhe bei jeder, eingeschossen in der eigenen Luft des Schusses (und mit der Temperaturempfindlichkeit des Pulvers, wenn angegeben).</translation>
    </message>
    <message>
        <source>The card&apos;s size. The card takes the largest type that fits, turned landscape when that reads larger; a pocket card leaves its last columns out rather than go below 7 pt, and says which. A card that cannot hold its rows says so instead of cutting them.</source>
        <translation>Die Größe der Karte. Die Karte nimmt die größte Schrift, die passt, im Querformat, wenn sie so größer wird; eine Taschenkarte lässt eher ihre letzten Spalten weg, als unter 7 pt zu gehen, und nennt sie. Eine Karte, die ihre Zeilen nicht fasst, sagt das, statt sie abzuschneiden.</translation>
    </message>
    <message>
        <source>Several cards on one sheet, with cut marks.</source>
        <translation>Mehrere Karten auf einem Blatt, mit Schnittmarken.</translation>
    </message>
    <message>
        <source>Truing: fit the muzzle velocity and the drag to what you observed at real ranges, so that the table matches the rifle.</source>
        <translation>Abgleich: Mündungsgeschwindigkeit und Luftwiderstand an das anpassen, was auf echten Entfernungen beobachtet wurde, damit die Tafel zur Waffe passt.</translation>
    </message>
    <message>
        <source>What is fitted besides the velocity: nothing, one drag factor over the whole flight, or a drag scale by Mach; by default one range fits the velocity alone, two to four one factor, five or more reaching below Mach 1.08 the scale by Mach.</source>
        <translation>Was außer der Geschwindigkeit angepasst wird: nichts, ein Widerstandsfaktor über die ganze Flugbahn oder eine Widerstandsskala nach Mach; standardmäßig passt eine Entfernung nur die Geschwindigkeit an, zwei bis vier einen Faktor, fünf oder mehr, die unter Mach 1.08 reichen, die Skala nach Mach.</translation>
    </message>
    <message>
        <source>Reads observations from a CSV file whose header names range_yd and any of up_moa, up_mil, up_clicks, drop_in, velocity_fps, time_s, sigma_moa and sigma_fps.</source>
        <translation>Liest Beobachtungen aus einer CSV-Datei, deren Kopfzeile range_yd und beliebige von up_moa, up_mil, up_clicks, drop_in, velocity_fps, time_s, sigma_moa und sigma_fps nennt.</translation>
    </message>
    <message>
        <source>Writes the observations to a CSV file of the same columns.</source>
        <translation>Schreibt die Beobachtungen in eine CSV-Datei mit denselben Spalten.</translation>
    </message>
    <message>
        <source>Fits the main window&apos;s shot to the observations: the fitted values with their standard errors, the residuals before and after, and the chart.</source>
        <translation>Passt den Schuss des Hauptfensters an die Beobachtungen an: die angepassten Werte mit ihren Standardfehlern, die Residuen vorher und nachher sowie das Diagramm.</translation>
    </message>
    <message>
        <source>Writes the fitted velocity into the main window and the drag scale into the shot: every table and calculation then flies them.</source>
        <translation>Schreibt die angepasste Geschwindigkeit ins Hauptfenster und die Widerstandsskala in den Schuss: alle Tafeln und Berechnungen rechnen dann damit.</translation>
    </message>
    <message>
        <source>Takes the truing out of the shot: the velocity and drag scale from before Apply, or without an Apply here the drag scale alone.</source>
        <translation>Nimmt den Abgleich aus dem Schuss: Geschwindigkeit und Widerstandsskala von vor „Übernehmen“, oder ohne „Übernehmen“ hier nur die Widerstandsskala.</translation>
    </message>
    <message>
        <source>Each reading observed minus predicted, with the shot as it was and with the fitted values, in the reading&apos;s unit; the fit weighs each by its uncertainty (the ± column).</source>
        <translation>Jeder Messwert beobachtet minus vorhergesagt, mit dem Schuss wie er war und mit den angepassten Werten, in der Einheit des Messwerts; die Anpassung gewichtet jeden nach seiner Unsicherheit (Spalte ±).</translation>
    </message>
    <message>
        <source>The observed points (rings, with bars as long as their uncertainty) over the drop predicted before and after the fit.</source>
        <translation>Die beobachteten Punkte (Ringe, mit Balken so lang wie ihre Unsicherheit) über der vorhergesagten Fallhöhe vor und nach der Anpassung.</translation>
    </message>
    <message>
        <source>Closes the window and keeps the observations with the shot.</source>
        <translation>Schließt das Fenster und behält die Beobachtungen beim Schuss.</translation>
    </message>
    <message>
        <source>Closes the window; the shot keeps the observations it had. What Apply wrote stays.</source>
        <translation>Schließt das Fenster; der Schuss behält die Beobachtungen, die er hatte. Was „Übernehmen“ geschrieben hat, bleibt.</translation>
    </message>
    <message>
        <source>Opens the Truing window: the velocity and drag fitted to the holds observed at real ranges.</source>
        <translation>Öffnet das Fenster „Abgleich“: Geschwindigkeit und Luftwiderstand, angepasst an die auf echten Entfernungen beobachteten Haltepunkte.</translation>
    </message>
    <message>
        <source>Closes the window and keeps its inputs in the shot; a field out of its bounds keeps it open.</source>
        <translation>Schließt das Fenster und behält seine Eingaben im Schuss; ein Feld außerhalb seiner Grenzen hält es offen.</translation>
    </message>
    <message>
        <source>Opens a Field Card window: the holds for chosen ranges, targets, winds and temperatures, to print or export.</source>
        <translation>Öffnet ein Schusskarten-Fenster: die Haltepunkte für gewählte Entfernungen, Ziele, Winde und Temperaturen, zum Drucken oder Exportieren.</translation>
    </message>
    <message>
        <source>How likely the first shot hits the target at each range when the load, the range, the wind call, the rifle and shooter and the cant each spread the shot.</source>
        <translation>Wie wahrscheinlich der erste Schuss auf jeder Entfernung trifft, wenn Laborierung, Entfernung, Windschätzung, Waffe und Schütze sowie die Verkantung den Schuss jeweils streuen.</translation>
    </message>
    <message>
        <source>The rifle and shooter&apos;s spread: a standard deviation per axis, or the mean size of groups of 2 to 10 shots, converted to one.</source>
        <translation>Die Streuung von Waffe und Schütze: eine Standardabweichung je Achse oder die mittlere Größe von Gruppen aus 2 bis 10 Schuss, darin umgerechnet.</translation>
    </message>
    <message>
        <source>The target, aimed at its centre: a circle&apos;s diameter (the OPBZ vital zone unless set) or a rectangle.</source>
        <translation>Das Ziel, auf seine Mitte angehalten: der Durchmesser eines Kreises (die Vitalzone der GEE, wenn nicht gesetzt) oder ein Rechteck.</translation>
    </message>
    <message>
        <source>Closes the window and keeps its inputs with the shot, assumed spreads included.</source>
        <translation>Schließt das Fenster und behält seine Eingaben beim Schuss, angenommene Streuungen eingeschlossen.</translation>
    </message>
    <message>
        <source>Closes the window; inputs you typed are kept with the shot already, assumed spreads are not.</source>
        <translation>Schließt das Fenster; eingetippte Eingaben sind schon beim Schuss gespeichert, angenommene Streuungen nicht.</translation>
    </message>
    <message>
        <source>The farthest ethical range is the last range up to which P(hit) stays at or above this level.</source>
        <translation>Die weiteste waidgerechte Entfernung ist die letzte Entfernung, bis zu der P(Treffer) auf oder über diesem Wert bleibt.</translation>
    </message>
    <message>
        <source>Opens a Sight Picture window of the shot: where to hold, drawn on a reticle.</source>
        <translation>Öffnet ein Zielbild-Fenster des Schusses: wohin anhalten, gezeichnet auf einem Absehen.</translation>
    </message>
    <message>
        <source>Opens a Sight Picture window of the shot in the card&apos;s units: where to hold, drawn on a reticle.</source>
        <translation>Öffnet ein Zielbild-Fenster des Schusses in den Einheiten der Karte: wohin anhalten, gezeichnet auf einem Absehen.</translation>
    </message>
    <message>
        <source>Draws the holds of the card&apos;s rows and winds on this reticle, beside the table of a pocket or half card.</source>
        <translation>Zeichnet die Haltepunkte der Zeilen und Winde der Karte auf dieses Absehen, neben die Tabelle einer Taschen- oder Halbkarte.</translation>
    </message>
    <message>
        <source>Where to hold, drawn on the reticle at the magnification in use: the shot&apos;s own point, a ladder of ranges and the wind dots.</source>
        <translation>Wohin anhalten, gezeichnet auf dem Absehen bei der eingestellten Vergrößerung: der eigene Punkt des Schusses, eine Entfernungsleiter und die Windpunkte.</translation>
    </message>
    <message>
        <source>The reticle the holds are drawn on: a built-in one, or one read from a reticle file.</source>
        <translation>Das Absehen, auf das die Haltepunkte gezeichnet werden: ein eingebautes oder eines aus einer Absehen-Datei.</translation>
    </message>
    <message>
        <source>Reads a reticle of your own from a reticle file (.vrt) and picks it; a faulty file is refused with its line.</source>
        <translation>Liest ein eigenes Absehen aus einer Absehen-Datei (.vrt) und wählt es; eine fehlerhafte Datei wird mit ihrer Zeile abgelehnt.</translation>
    </message>
    <message>
        <source>The magnification in use, from 1 to 100. A second-plane reticle&apos;s marks span (true at) / (in use) times their angle.</source>
        <translation>Die eingestellte Vergrößerung, von 1 bis 100. Die Marken eines Absehens in der zweiten Bildebene umfassen (stimmt bei) / (eingestellt) mal ihren Winkel.</translation>
    </message>
    <message>
        <source>Empty: the reticle as it is made. A magnification here makes it second focal plane, true at that magnification.</source>
        <translation>Leer: das Absehen, wie es gebaut ist. Eine Vergrößerung hier macht es zu einem Absehen der zweiten Bildebene, das bei dieser Vergrößerung stimmt.</translation>
    </message>
    <message>
        <source>How the holds share the work with the turret: dial the elevation and hold the wind, hold everything, or dial the zero of one range and hold the rest.</source>
        <translation>Wie sich Haltepunkte und Turm die Arbeit teilen: Höhe am Turm einstellen und Wind anhalten, alles anhalten, oder den Fleck einer Entfernung am Turm einstellen und den Rest anhalten.</translation>
    </message>
    <message>
        <source>The range whose elevation is dialled when the holds dial a zero: yards, or metres in metric.</source>
        <translation>Die Entfernung, deren Höhe am Turm eingestellt ist, wenn ein Fleck eingestellt wird: Yards, metrisch Meter.</translation>
    </message>
    <message>
        <source>A holdover ladder: a point at each range, labelled with it (yards, or metres in metric).</source>
        <translation>Eine Haltepunktleiter: ein Punkt je Entfernung, mit ihr beschriftet (Yards, metrisch Meter).</translation>
    </message>
    <message>
        <source>Wind dots: a point at each range for each wind speed, full value from the right (mph, or m/s in metric).</source>
        <translation>Windpunkte: ein Punkt je Entfernung und Windgeschwindigkeit, voller Wind von rechts (mph, metrisch m/s).</translation>
    </message>
    <message>
        <source>The scope&apos;s circle: each point is where the target goes, labelled with its range; a hold beyond the reticle stands at its edge with an arrow.</source>
        <translation>Das Sehfeld des Zielfernrohrs: jeder Punkt ist, wo das Ziel hingehört, mit seiner Entfernung beschriftet; ein Haltepunkt jenseits des Absehens steht mit einem Pfeil an dessen Rand.</translation>
    </message>
    <message>
        <source>Every hold as the shooter would say it, a hold beyond the reticle told as what to dial and what to hold.</source>
        <translation>Jeder Haltepunkt, wie ihn der Schütze sagen würde; ein Haltepunkt jenseits des Absehens als das, was einzustellen und was anzuhalten ist.</translation>
    </message>
    <message>
        <source>Prints the picture on one square page.</source>
        <translation>Druckt das Bild auf eine quadratische Seite.</translation>
    </message>
    <message>
        <source>Shows the printed page before it is printed.</source>
        <translation>Zeigt die Druckseite vor dem Drucken.</translation>
    </message>
    <message>
        <source>Writes the picture as a PDF, SVG or PNG file.</source>
        <translation>Schreibt das Bild als PDF-, SVG- oder PNG-Datei.</translation>
    </message>
    <message>
        <source>Closes the window.</source>
        <translation>Schließt das Fenster.</translation>
    </message>
    <message>
        <source>Opens a Hit Probability window: the chance of a first-shot hit at every range and the farthest ethical shot.</source>
        <translation>Öffnet ein Fenster „Trefferwahrscheinlichkeit“: die Chance eines Treffers mit dem ersten Schuss auf jeder Entfernung und der weiteste waidgerechte Schuss.</translation>
    </message>
    <message>
        <source>Opens the Library: every rifle and load kept together, to open, save, duplicate, rename, move or delete.</source>
        <translation>Öffnet die Bibliothek: alle Waffen und Laborierungen beisammen, zum Öffnen, Speichern, Duplizieren, Umbenennen, Verschieben oder Löschen.</translation>
    </message>
    <message>
        <source>The library: the shot files of one folder, grouped by rifle. Open loads one into the main window.</source>
        <translation>Die Bibliothek: die Schussdateien eines Ordners, nach Waffe gruppiert. „Öffnen“ lädt eine ins Hauptfenster.</translation>
    </message>
    <message>
        <source>Shows only the loads with this text in any column, or of a rifle whose name holds it.</source>
        <translation>Zeigt nur die Laborierungen mit diesem Text in einer Spalte oder einer Waffe, deren Name ihn enthält.</translation>
    </message>
    <message>
        <source>Stores the main window&apos;s shot in the library under the rifle and name you give.</source>
        <translation>Legt den Schuss des Hauptfensters unter der angegebenen Waffe und dem Namen in der Bibliothek ab.</translation>
    </message>
    <message>
        <source>Opens the Advanced window: wind from any direction, spin drift, Coriolis, powder temperature, drag.</source>
        <translation>Öffnet das Fenster „Erweitert“: Wind aus jeder Richtung, Drallabdrift, Coriolis, Pulvertemperatur, Luftwiderstand.</translation>
    </message>
    <message>
        <source>G1: the standard flat-based projectile, the drag function of most published coefficients.</source>
        <translation>G1: das Standardgeschoss mit Flachboden, die Widerstandsfunktion der meisten veröffentlichten Koeffizienten.</translation>
    </message>
    <message>
        <source>G7: long boat-tailed rifle bullets.</source>
        <translation>G7: lange Büchsengeschosse mit Bootsheck.</translation>
    </message>
    <message>
        <source>G2: the Aberdeen J projectile.</source>
        <translation>G2: das Aberdeen-J-Geschoss.</translation>
    </message>
    <message>
        <source>G8: flat-based bullets with a long ogive.</source>
        <translation>G8: Flachbodengeschosse mit langer Ogive.</translation>
    </message>
    <message>
        <source>G6: flat-based spitzer bullets.</source>
        <translation>G6: spitze Flachbodengeschosse.</translation>
    </message>
    <message>
        <source>G5: short boat-tailed bullets.</source>
        <translation>G5: kurze Geschosse mit Bootsheck.</translation>
    </message>
    <message>
        <source>Sets the standard sea-level atmosphere (59 degrees Fahrenheit, 29.92 inches of mercury, dry air, altitude 0) and shows its density.</source>
        <translation>Setzt die Standardatmosphäre auf Meereshöhe (59 Grad Fahrenheit, 29.92 Zoll Quecksilbersäule, trockene Luft, Höhe 0) und zeigt ihre Dichte.</translation>
    </message>
    <message>
        <source>GL: lead ball.</source>
        <translation>GL: Bleikugel.</translation>
    </message>
    <message>
        <source>Gi: the Ingalls projectile.</source>
        <translation>Gi: das Ingalls-Geschoss.</translation>
    </message>
    <message>
        <source>Computes the air density of the temperature, pressure, humidity and altitude entered.</source>
        <translation>Berechnet die Luftdichte aus eingegebener Temperatur, Luftdruck, Luftfeuchte und Höhe.</translation>
    </message>
    <message>
        <source>Sets the ICAO standard atmosphere at the altitude entered, with its pressure at that altitude (Station B.P. checked), and shows its density.</source>
        <translation>Setzt die ICAO-Standardatmosphäre in der eingegebenen Höhe, mit ihrem Luftdruck in dieser Höhe (Stationsluftdruck angehakt), und zeigt ihre Dichte.</translation>
    </message>
    <message>
        <source>Flies the shot, zeroed at the sight-in range, and opens its range table in a window of its own.</source>
        <translation>Berechnet die Flugbahn des Schusses, eingeschossen auf die Einschießentfernung, und öffnet seine Schusstafel in einem eigenen Fenster.</translation>
    </message>
    <message>
        <source>Opens a window comparing the current shot with the baseline at the target range.</source>
        <translation>Öffnet ein Fenster, das den aktuellen Schuss auf die Zielentfernung mit der Referenz vergleicht.</translation>
    </message>
    <message>
        <source>Remembers the current shot as the baseline for Shoot.</source>
        <translation>Merkt sich den aktuellen Schuss als Referenz für „Schießen“.</translation>
    </message>
    <message>
        <source>Opens Compute BC: a ballistic coefficient from two chronograph readings.</source>
        <translation>Öffnet „BK berechnen“: ein ballistischer Koeffizient aus zwei Chronographenmessungen.</translation>
    </message>
    <message>
        <source>Opens Maximum Range: the longest distance and height the shot can reach.</source>
        <translation>Öffnet „Maximale Reichweite“: die größte Entfernung und Höhe, die der Schuss erreichen kann.</translation>
    </message>
    <message>
        <source>Opens OPBZ: the optimum point-blank zero for a vital zone.</source>
        <translation>Öffnet „GEE“: die günstigste Einschießentfernung für eine Vitalzone.</translation>
    </message>
    <message>
        <source>Opens the energy, velocity, weight and recoil calculator.</source>
        <translation>Öffnet den Rechner für Energie, Geschwindigkeit, Gewicht und Rückstoß.</translation>
    </message>
    <message>
        <source>GS: spherical ball.</source>
        <translation>GS: Rundkugel.</translation>
    </message>
    <message>
        <source>RA4: .22 rimfire bullets and airgun pellets.</source>
        <translation>RA4: Randfeuergeschosse .22 und Luftgewehr-Diabolos.</translation>
    </message>
    <message>
        <source>Click here, then on any field or button, to see what it does.</source>
        <translation>Hier klicken, dann auf ein Feld oder eine Schaltfläche, um zu sehen, was es tut.</translation>
    </message>
    <message>
        <source>Opens the Vorlan user&apos;s guide.</source>
        <translation>Öffnet das Benutzerhandbuch von Vorlan.</translation>
    </message>
    <message>
        <source>Notes on what a command did (a baseline set) or why a file given to the program was not opened.</source>
        <translation>Hinweise dazu, was ein Befehl getan hat (eine Referenz gesetzt) oder warum eine dem Programm übergebene Datei nicht geöffnet wurde.</translation>
    </message>
    <message>
        <source>How much higher (positive) or lower (negative) the current shot strikes than the baseline, in inches.</source>
        <translation>Wie viel höher (positiv) oder tiefer (negativ) der aktuelle Schuss trifft als die Referenz, in Zoll.</translation>
    </message>
    <message>
        <source>How much further to the side the current shot strikes than the baseline, in inches.</source>
        <translation>Wie viel weiter seitlich der aktuelle Schuss trifft als die Referenz, in Zoll.</translation>
    </message>
    <message>
        <source>The name of the shot that Set Baseline kept.</source>
        <translation>Der Name des Schusses, den „Als Referenz“ gemerkt hat.</translation>
    </message>
    <message>
        <source>The name of the current shot.</source>
        <translation>Der Name des aktuellen Schusses.</translation>
    </message>
    <message>
        <source>Why the shots were compared short of the target range, or that no baseline was set.</source>
        <translation>Warum die Schüsse vor der Zielentfernung verglichen wurden, oder dass keine Referenz gesetzt ist.</translation>
    </message>
    <message>
        <source>The ballistic coefficient that gives the measured velocity loss, for the drag function shown.</source>
        <translation>Der ballistische Koeffizient, der den gemessenen Geschwindigkeitsverlust ergibt, für die angezeigte Widerstandsfunktion.</translation>
    </message>
    <message>
        <source>Puts the coefficient shown into the main window&apos;s Ballistic Coefficient field.</source>
        <translation>Übernimmt den angezeigten Koeffizienten in das Feld „Ballistischer Koeffizient“ des Hauptfensters.</translation>
    </message>
    <message>
        <source>Computes the coefficient for the main window&apos;s atmosphere and drag function.</source>
        <translation>Berechnet den Koeffizienten für Atmosphäre und Widerstandsfunktion des Hauptfensters.</translation>
    </message>
    <message>
        <source>The name of the shot.</source>
        <translation>Der Name des Schusses.</translation>
    </message>
    <message>
        <source>How far the bullet can fly over level ground, in yards.</source>
        <translation>Wie weit das Geschoss über ebenem Gelände fliegen kann, in Yards.</translation>
    </message>
    <message>
        <source>The elevation of the bore that gives the longest range, in degrees.</source>
        <translation>Die Erhöhung der Laufseele, die die größte Reichweite ergibt, in Grad.</translation>
    </message>
    <message>
        <source>The highest point of the longest trajectory above the muzzle, in feet.</source>
        <translation>Der höchste Punkt der längsten Flugbahn über der Mündung, in Fuß.</translation>
    </message>
    <message>
        <source>The bullet&apos;s speed at the end of the longest trajectory, in feet per second.</source>
        <translation>Die Geschwindigkeit des Geschosses am Ende der längsten Flugbahn, in Fuß pro Sekunde.</translation>
    </message>
    <message>
        <source>The bullet&apos;s energy at the end of the longest trajectory, in foot-pounds.</source>
        <translation>Die Energie des Geschosses am Ende der längsten Flugbahn, in Fuß-Pfund.</translation>
    </message>
    <message>
        <source>Time of flight of the longest trajectory, in seconds.</source>
        <translation>Flugzeit der längsten Flugbahn, in Sekunden.</translation>
    </message>
    <message>
        <source>How high the bullet climbs when fired straight up, in feet.</source>
        <translation>Wie hoch das Geschoss senkrecht nach oben geschossen steigt, in Fuß.</translation>
    </message>
    <message>
        <source>How long the straight-up climb takes, in seconds.</source>
        <translation>Wie lange der Steigflug senkrecht nach oben dauert, in Sekunden.</translation>
    </message>
    <message>
        <source>The sight-in range in yards that keeps the bullet inside the zone the longest.</source>
        <translation>Die Einschießentfernung in Yards, die das Geschoss am längsten in der Zone hält.</translation>
    </message>
    <message>
        <source>The range in yards where the bullet first comes up into the zone.</source>
        <translation>Die Entfernung in Yards, auf der das Geschoss zuerst in die Zone steigt.</translation>
    </message>
    <message>
        <source>The range in yards where the bullet drops out of the zone.</source>
        <translation>Die Entfernung in Yards, auf der das Geschoss aus der Zone fällt.</translation>
    </message>
    <message>
        <source>Finds the optimum zero for the shot in the main window.</source>
        <translation>Ermittelt den günstigsten Fleck für den Schuss im Hauptfenster.</translation>
    </message>
    <message>
        <source>Calculate the energy from the velocity and the weight.</source>
        <translation>Die Energie aus Geschwindigkeit und Gewicht berechnen.</translation>
    </message>
    <message>
        <source>Calculate the velocity from the weight and the energy.</source>
        <translation>Die Geschwindigkeit aus Gewicht und Energie berechnen.</translation>
    </message>
    <message>
        <source>Calculate the weight from the velocity and the energy.</source>
        <translation>Das Gewicht aus Geschwindigkeit und Energie berechnen.</translation>
    </message>
    <message>
        <source>Calculates the value the chosen mode derives, and the power factor.</source>
        <translation>Berechnet den Wert, den die gewählte Betriebsart ableitet, und den Power Factor.</translation>
    </message>
    <message>
        <source>Calculates the recoil energy of the gun from the bullet, the powder and the gun weight.</source>
        <translation>Berechnet die Rückstoßenergie der Waffe aus Geschoss, Pulver und Waffengewicht.</translation>
    </message>
    <message>
        <source>Keeps the colour shown; it is stored when Vorlan ends.</source>
        <translation>Behält die angezeigte Farbe; sie wird beim Beenden von Vorlan gespeichert.</translation>
    </message>
    <message>
        <source>Goes back to the colour kept last.</source>
        <translation>Kehrt zur zuletzt behaltenen Farbe zurück.</translation>
    </message>
    <message>
        <source>Red part of the colour of all Vorlan windows, 0 to 255.</source>
        <translation>Rotanteil der Farbe aller Vorlan-Fenster, 0 bis 255.</translation>
    </message>
    <message>
        <source>Green part of the colour of all Vorlan windows, 0 to 255.</source>
        <translation>Grünanteil der Farbe aller Vorlan-Fenster, 0 bis 255.</translation>
    </message>
    <message>
        <source>Blue part of the colour of all Vorlan windows, 0 to 255.</source>
        <translation>Blauanteil der Farbe aller Vorlan-Fenster, 0 bis 255.</translation>
    </message>
    <message>
        <source>Enter the wind direction in degrees, 0 to 360, clockwise from the line of fire.</source>
        <translation>Die Windrichtung in Grad eingeben, 0 bis 360, im Uhrzeigersinn von der Schusslinie.</translation>
    </message>
    <message>
        <source>Enter the wind direction as a clock hour, 0 to 12: 12 from the target, 3 from the right.</source>
        <translation>Die Windrichtung als Uhrzeit eingeben, 0 bis 12: 12 vom Ziel, 3 von rechts.</translation>
    </message>
    <message>
        <source>Check for a barrel whose rifling turns to the left: the bullet drifts to the left.</source>
        <translation>Anhaken bei einem Lauf mit Linksdrall: das Geschoss driftet nach links.</translation>
    </message>
    <message>
        <source>Gyroscopic stability factor by Miller&apos;s rule, for the main window&apos;s velocity and air.</source>
        <translation>Gyroskopischer Stabilitätsfaktor nach der Miller-Formel, für Geschwindigkeit und Luft des Hauptfensters.</translation>
    </message>
    <message>
        <source>Judged on the factor as shown: below 1.00 unstable, to 1.29 marginal, 1.30 to 1.50 fair, above 1.50 stable.</source>
        <translation>Beurteilt nach dem angezeigten Faktor: unter 1.00 instabil, bis 1.29 grenzwertig, 1.30 bis 1.50 ausreichend, über 1.50 stabil.</translation>
    </message>
    <message>
        <source>Check to let a crosswind at the muzzle throw the bullet up or down (Litz&apos;s fit; needs twist, length and diameter). The zero is taken without it.</source>
        <translation>Anhaken, damit Seitenwind an der Mündung das Geschoss nach oben oder unten versetzt (Litz-Näherung; braucht Drallänge, Länge und Durchmesser). Der Fleck wird ohne dies ermittelt.</translation>
    </message>
    <message>
        <source>The bullet diameter spin drift and stability use: the one entered, or the caliber&apos;s.</source>
        <translation>Der Geschossdurchmesser, den Drallabdrift und Stabilität verwenden: der eingegebene oder der des Kalibers.</translation>
    </message>
    <message>
        <source>Check to zero the rifle in the conditions below, in still air on a level range, and fly today&apos;s conditions at that angle.</source>
        <translation>Anhaken, um die Waffe unter den Bedingungen unten einzuschießen, bei Windstille auf ebener Bahn, und unter den heutigen Bedingungen mit diesem Winkel zu rechnen.</translation>
    </message>
    <message>
        <source>Check to let the Earth&apos;s rotation move the bullet (Coriolis and Eotvos effects).</source>
        <translation>Anhaken, damit die Erdrotation das Geschoss versetzt (Coriolis- und Eötvös-Effekt).</translation>
    </message>
    <message>
        <source>The muzzle velocity in feet per second that the powder temperature gives.</source>
        <translation>Die Mündungsgeschwindigkeit in Fuß pro Sekunde, die die Pulvertemperatur ergibt.</translation>
    </message>
    <message>
        <source>Computes the sensitivity from the two velocities and their temperatures.</source>
        <translation>Berechnet die Temperaturempfindlichkeit aus den zwei Geschwindigkeiten und ihren Temperaturen.</translation>
    </message>
    <message>
        <source>Check to fly the loaded Mach and drag-coefficient table instead of the drag function chosen.</source>
        <translation>Anhaken, um mit der geladenen Tabelle aus Mach und Widerstandsbeiwert statt mit der gewählten Widerstandsfunktion zu rechnen.</translation>
    </message>
    <message>
        <source>Loads a drag table from a CSV file: Mach and Cd on each line, Mach increasing, a header allowed.</source>
        <translation>Lädt eine Widerstandstabelle aus einer CSV-Datei: Mach und Cd in jeder Zeile, Mach steigend, eine Kopfzeile erlaubt.</translation>
    </message>
    <message>
        <source>The drag table held, or what is wrong with the file last loaded.</source>
        <translation>Die geladene Widerstandstabelle oder was an der zuletzt geladenen Datei falsch ist.</translation>
    </message>
    <message>
        <source>The range of the observation in yards, 1 to 5000.</source>
        <translation>Die Entfernung der Beobachtung in Yards, 1 bis 5000.</translation>
    </message>
    <message>
        <source>The elevation dialled or held up to hit the centre, in true MOA (1/60 degree).</source>
        <translation>Die Höhe, am Turm eingestellt oder angehalten, um die Mitte zu treffen, in echten MOA (1/60 Grad).</translation>
    </message>
    <message>
        <source>The elevation dialled or held up to hit the centre, in mil.</source>
        <translation>Die Höhe, am Turm eingestellt oder angehalten, um die Mitte zu treffen, in mil.</translation>
    </message>
    <message>
        <source>The elevation dialled up to hit the centre, in clicks of the shot&apos;s click value.</source>
        <translation>Die am Turm eingestellte Höhe, um die Mitte zu treffen, in Klicks des Klickwerts des Schusses.</translation>
    </message>
    <message>
        <source>The drop in inches with the shot&apos;s own zero, negative below the line of sight.</source>
        <translation>Die Fallhöhe in Zoll mit dem eigenen Fleck des Schusses, negativ unter der Visierlinie.</translation>
    </message>
    <message>
        <source>A velocity in feet per second measured at the range (a Doppler radar, a second chronograph).</source>
        <translation>Eine auf der Entfernung gemessene Geschwindigkeit in Fuß pro Sekunde (ein Doppler-Radar, ein zweiter Chronograph).</translation>
    </message>
    <message>
        <source>The time of flight to the range in seconds.</source>
        <translation>Die Flugzeit bis zur Entfernung in Sekunden.</translation>
    </message>
    <message>
        <source>How sure the row&apos;s holds and drop are, in MOA (0.1 when blank; half a click for clicks).</source>
        <translation>Wie sicher Haltepunkte und Fallhöhe der Zeile sind, in MOA (0.1, wenn leer; ein halber Klick bei Klicks).</translation>
    </message>
    <message>
        <source>How sure the row&apos;s velocity is, in feet per second (5 when blank).</source>
        <translation>Wie sicher die Geschwindigkeit der Zeile ist, in Fuß pro Sekunde (5, wenn leer).</translation>
    </message>
    <message>
        <source>No help topic is associated with this item.</source>
        <translation>Zu diesem Element gibt es kein Hilfethema.</translation>
    </message>
</context>
<context>
    <name>Language</name>
    <message>
        <source>System default</source>
        <translation>Systemstandard</translation>
    </message>
    <message>
        <source>&amp;Language</source>
        <translation>&amp;Sprache</translation>
    </message>
    <message>
        <source>Windows opened from now on use the chosen language. Windows already open keep theirs; the main window changes at the next start.</source>
        <translation>Ab jetzt geöffnete Fenster verwenden die gewählte Sprache. Bereits offene Fenster behalten ihre; das Hauptfenster wechselt beim nächsten Start.</translation>
    </message>
    <message>
        <source>Preferences Not Saved</source>
        <translation>Einstellungen nicht gespeichert</translation>
    </message>
    <message>
        <source>The theme could not be saved to &quot;%1&quot;.
%2</source>
        <translation>Das Design konnte nicht in &quot;%1&quot; gespeichert werden.
%2</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Sprache</translation>
    </message>
    <message>
        <source>The language could not be saved to &quot;%1&quot;.
%2</source>
        <translation>Die Sprache konnte nicht in &quot;%1&quot; gespeichert werden.
%2</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>Zero Not Found</source>
        <translation>Fleck nicht gefunden</translation>
    </message>
    <message>
        <source>Save As</source>
        <translation>Speichern unter</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Öffnen</translation>
    </message>
</context>
<context>
    <name>QPrintPreviewDialog</name>
    <message>
        <source>Print Preview - %1</source>
        <translation>Druckvorschau - %1</translation>
    </message>
</context>
<context>
    <name>SideWindow</name>
    <message>
        <source>Wind Speed</source>
        <translation>Windgeschwindigkeit</translation>
    </message>
    <message>
        <source>m.p.h.</source>
        <translation>m.p.h.</translation>
    </message>
    <message>
        <source>Wind speed in miles per hour, 0 to 200; above 0 it replaces the Crosswind of the main window.</source>
        <translation>Windgeschwindigkeit in Meilen pro Stunde, 0 bis 200; über 0 ersetzt sie den Seitenwind des Hauptfensters.</translation>
    </message>
    <message>
        <source>Wind From</source>
        <translation>Wind aus</translation>
    </message>
    <message>
        <source>Where the wind comes from: 0 to 360 degrees clockwise from the target (90 from the right), or 0 to 12 on the clock face (12 from the target, 3 from the right).</source>
        <translation>Woher der Wind kommt: 0 bis 360 Grad im Uhrzeigersinn vom Ziel aus (90 von rechts) oder 0 bis 12 auf dem Zifferblatt (12 vom Ziel, 3 von rechts).</translation>
    </message>
    <message>
        <source>Twist Rate</source>
        <translation>Drallänge</translation>
    </message>
    <message>
        <source>in./turn</source>
        <translation>in./turn</translation>
    </message>
    <message>
        <source>Barrel twist in inches per turn, 0 to 100; 0 leaves spin drift out.</source>
        <translation>Drallänge des Laufs in Zoll pro Umdrehung, 0 bis 100; 0 lässt die Drallabdrift weg.</translation>
    </message>
    <message>
        <source>Bullet Length</source>
        <translation>Geschosslänge</translation>
    </message>
    <message>
        <source>in.</source>
        <translation>in.</translation>
    </message>
    <message>
        <source>Length of the bullet in inches, 0 to 10.</source>
        <translation>Länge des Geschosses in Zoll, 0 bis 10.</translation>
    </message>
    <message>
        <source>Bullet Diameter</source>
        <translation>Geschossdurchmesser</translation>
    </message>
    <message>
        <source>Diameter of the bullet in inches, 0 to 2; 0 takes the caliber&apos;s bullet diameter (6.5x is 0.264, 30-0 0.308).</source>
        <translation>Durchmesser des Geschosses in Zoll, 0 bis 2; 0 nimmt den Geschossdurchmesser des Kalibers (6.5x ist 0.264, 30-0 ist 0.308).</translation>
    </message>
    <message>
        <source>Latitude</source>
        <translation>Breitengrad</translation>
    </message>
    <message>
        <source>deg. N</source>
        <translation>deg. N</translation>
    </message>
    <message>
        <source>Latitude of the firing point in degrees, -90 to 90: north positive, south negative.</source>
        <translation>Breitengrad des Schützenstands in Grad, -90 bis 90: Nord positiv, Süd negativ.</translation>
    </message>
    <message>
        <source>Azimuth of Fire</source>
        <translation>Schussrichtung (Azimut)</translation>
    </message>
    <message>
        <source>deg.</source>
        <translation>deg.</translation>
    </message>
    <message>
        <source>Direction of fire in degrees clockwise from north, 0 to 360.</source>
        <translation>Schussrichtung in Grad im Uhrzeigersinn von Nord, 0 bis 360.</translation>
    </message>
    <message>
        <source>Sensitivity</source>
        <translation>Empfindlichkeit</translation>
    </message>
    <message>
        <source>f.p.s./deg. F</source>
        <translation>f.p.s./deg. F</translation>
    </message>
    <message>
        <source>Change of muzzle velocity in feet per second per degree Fahrenheit of powder, -50 to 50; 0 is off.</source>
        <translation>Änderung der Mündungsgeschwindigkeit in Fuß pro Sekunde je Grad Fahrenheit Pulvertemperatur, -50 bis 50; 0 ist aus.</translation>
    </message>
    <message>
        <source>Powder Temp.</source>
        <translation>Pulvertemp.</translation>
    </message>
    <message>
        <source>deg. F</source>
        <translation>deg. F</translation>
    </message>
    <message>
        <source>Temperature of the powder at the shot in degrees Fahrenheit, -150 to 150.</source>
        <translation>Temperatur des Pulvers beim Schuss in Grad Fahrenheit, -150 bis 150.</translation>
    </message>
    <message>
        <source>Reference Temp.</source>
        <translation>Referenztemp.</translation>
    </message>
    <message>
        <source>Powder temperature in degrees Fahrenheit, -150 to 150, at which the main window&apos;s velocity was measured.</source>
        <translation>Pulvertemperatur in Grad Fahrenheit, -150 bis 150, bei der die Geschwindigkeit des Hauptfensters gemessen wurde.</translation>
    </message>
    <message>
        <source>Temperature</source>
        <translation>Temperatur</translation>
    </message>
    <message>
        <source>Air temperature in degrees Fahrenheit, -150 to 150, on the day the rifle was zeroed.</source>
        <translation>Lufttemperatur in Grad Fahrenheit, -150 bis 150, am Tag des Einschießens.</translation>
    </message>
    <message>
        <source>Pressure</source>
        <translation>Luftdruck</translation>
    </message>
    <message>
        <source>in. Hg</source>
        <translation>in. Hg</translation>
    </message>
    <message>
        <source>The barometer&apos;s reading where the rifle was zeroed, in inches of mercury, 10 to 35: the pressure at the site, not reduced to sea level.</source>
        <translation>Der Barometerwert am Ort des Einschießens, in Zoll Quecksilbersäule, 10 bis 35: der Luftdruck am Platz, nicht auf Meereshöhe reduziert.</translation>
    </message>
    <message>
        <source>Humidity</source>
        <translation>Luftfeuchte</translation>
    </message>
    <message>
        <source>%</source>
        <translation>%</translation>
    </message>
    <message>
        <source>Relative humidity in percent, 0 to 100, on the day of the zero.</source>
        <translation>Relative Luftfeuchte in Prozent, 0 bis 100, am Tag des Einschießens.</translation>
    </message>
    <message>
        <source>Temperature of the powder in degrees Fahrenheit, -150 to 150, when the rifle was zeroed.</source>
        <translation>Temperatur des Pulvers in Grad Fahrenheit, -150 bis 150, beim Einschießen.</translation>
    </message>
    <message>
        <source>A chronograph velocity in feet per second, 1 to 5000, measured at the temperature beside it.</source>
        <translation>Eine Chronographengeschwindigkeit in Fuß pro Sekunde, 1 bis 5000, gemessen bei der Temperatur daneben.</translation>
    </message>
    <message>
        <source>Powder temperature in degrees Fahrenheit, -150 to 150, of the velocity beside it.</source>
        <translation>Pulvertemperatur in Grad Fahrenheit, -150 bis 150, der Geschwindigkeit daneben.</translation>
    </message>
    <message>
        <source>A second chronograph velocity in feet per second, 1 to 5000, at another powder temperature.</source>
        <translation>Eine zweite Chronographengeschwindigkeit in Fuß pro Sekunde, 1 bis 5000, bei einer anderen Pulvertemperatur.</translation>
    </message>
    <message>
        <source>Powder temperature in degrees Fahrenheit, -150 to 150, of the second velocity.</source>
        <translation>Pulvertemperatur in Grad Fahrenheit, -150 bis 150, der zweiten Geschwindigkeit.</translation>
    </message>
    <message>
        <source>Velocity of a band in feet per second, 0 to 5000: the band&apos;s coefficient holds at and above it, up to the next faster band.</source>
        <translation>Geschwindigkeit eines Bands in Fuß pro Sekunde, 0 bis 5000: der Koeffizient des Bands gilt ab dieser Geschwindigkeit bis zum nächstschnelleren Band.</translation>
    </message>
    <message>
        <source>Ballistic coefficient of the band, 0.0001 to 2, for the drag function.</source>
        <translation>Ballistischer Koeffizient des Bands, 0.0001 bis 2, für die Widerstandsfunktion.</translation>
    </message>
    <message>
        <source>Range in yards, 1 to 100000, up to which this zone&apos;s wind blows (from the zone above); the last zone blows to the end.</source>
        <translation>Entfernung in Yards, 1 bis 100000, bis zu der der Wind dieser Zone weht (ab der Zone darüber); die letzte Zone weht bis zum Ende.</translation>
    </message>
    <message>
        <source>Wind speed of the zone in miles per hour, 0 to 200.</source>
        <translation>Windgeschwindigkeit der Zone in Meilen pro Stunde, 0 bis 200.</translation>
    </message>
    <message>
        <source>Where the zone&apos;s wind comes from: 0 to 360 degrees clockwise from the target (90 from the right).</source>
        <translation>Woher der Wind der Zone kommt: 0 bis 360 Grad im Uhrzeigersinn vom Ziel aus (90 von rechts).</translation>
    </message>
    <message>
        <source>Adjusted Velocity</source>
        <translation>Angepasste V0</translation>
    </message>
    <message>
        <source>f.p.s.</source>
        <translation>f.p.s.</translation>
    </message>
    <message>
        <source>Near Velocity</source>
        <translation>Nahe Geschwindigkeit</translation>
    </message>
    <message>
        <source>fps</source>
        <translation>fps</translation>
    </message>
    <message>
        <source>Velocity measured at the chronograph nearer the muzzle, in feet per second, 1 to 5000.</source>
        <translation>Am mündungsnäheren Chronographen gemessene Geschwindigkeit in Fuß pro Sekunde, 1 bis 5000.</translation>
    </message>
    <message>
        <source>Far Velocity</source>
        <translation>Ferne Geschwindigkeit</translation>
    </message>
    <message>
        <source>Velocity measured at the chronograph farther down range, in feet per second, 0 to 5000; it must be lower than the near velocity.</source>
        <translation>Am weiter entfernten Chronographen gemessene Geschwindigkeit in Fuß pro Sekunde, 0 bis 5000; sie muss unter der nahen Geschwindigkeit liegen.</translation>
    </message>
    <message>
        <source>Distance</source>
        <translation>Abstand</translation>
    </message>
    <message>
        <source>ft</source>
        <translation>ft</translation>
    </message>
    <message>
        <source>Distance between the two chronographs in feet, a whole number from 1 to 5000.</source>
        <translation>Abstand zwischen den beiden Chronographen in Fuß, eine ganze Zahl von 1 bis 5000.</translation>
    </message>
    <message>
        <source>Target Diameter</source>
        <translation>Durchmesser Vitalzone</translation>
    </message>
    <message>
        <source>Diameter of the vital zone in inches, 0.01 to 100; the bullet may rise or fall half of it from the line of sight.</source>
        <translation>Durchmesser der Vitalzone in Zoll, 0.01 bis 100; das Geschoss darf um die Hälfte davon über oder unter die Visierlinie steigen oder fallen.</translation>
    </message>
    <message>
        <source>Optimum Point Blank Zero</source>
        <translation>Günstigste Einschießentfernung</translation>
    </message>
    <message>
        <source>Minumum Point Blank Range</source>
        <translation>Min. Entfernung in der Zone</translation>
    </message>
    <message>
        <source>Maximum Point Blank Range</source>
        <translation>Max. Entfernung in der Zone</translation>
    </message>
    <message>
        <source>Velocity</source>
        <translation>Geschwindigkeit</translation>
    </message>
    <message>
        <source>Bullet velocity in feet per second, 0 or more.</source>
        <translation>Geschossgeschwindigkeit in Fuß pro Sekunde, 0 oder mehr.</translation>
    </message>
    <message>
        <source>Weight</source>
        <translation>Gewicht</translation>
    </message>
    <message>
        <source>grains</source>
        <translation>grains</translation>
    </message>
    <message>
        <source>Bullet weight in grains, 0 or more.</source>
        <translation>Geschossgewicht in Grains, 0 oder mehr.</translation>
    </message>
    <message>
        <source>Energy</source>
        <translation>Energie</translation>
    </message>
    <message>
        <source>ft.lbs.</source>
        <translation>ft.lbs.</translation>
    </message>
    <message>
        <source>Bullet energy in foot-pounds, 0 or more.</source>
        <translation>Geschossenergie in Fuß-Pfund, 0 oder mehr.</translation>
    </message>
    <message>
        <source>Power Factor</source>
        <translation>Power Factor</translation>
    </message>
    <message>
        <source>Power factor: weight in grains times velocity in feet per second, divided by 1000.</source>
        <translation>Power Factor: Gewicht in Grains mal Geschwindigkeit in Fuß pro Sekunde, geteilt durch 1000.</translation>
    </message>
    <message>
        <source>Gun Weight</source>
        <translation>Waffengewicht</translation>
    </message>
    <message>
        <source>ounces</source>
        <translation>ounces</translation>
    </message>
    <message>
        <source>Weight of the gun in ounces, 1 to 1000 (16 ounces make a pound).</source>
        <translation>Gewicht der Waffe in Unzen, 1 bis 1000 (16 Unzen sind ein Pfund).</translation>
    </message>
    <message>
        <source>Powder Weight</source>
        <translation>Pulvergewicht</translation>
    </message>
    <message>
        <source>Weight of the powder charge in grains, 0 to 200.</source>
        <translation>Gewicht der Pulverladung in Grains, 0 bis 200.</translation>
    </message>
    <message>
        <source>Recoil Energy</source>
        <translation>Rückstoßenergie</translation>
    </message>
    <message>
        <source>Energy of the gun&apos;s recoil in foot-pounds.</source>
        <translation>Energie des Rückstoßes der Waffe in Fuß-Pfund.</translation>
    </message>
    <message>
        <source>Terminal Range</source>
        <translation>Reichweite</translation>
    </message>
    <message>
        <source>yards</source>
        <translation>yards</translation>
    </message>
    <message>
        <source>Firing Elevation  (deg.)</source>
        <translation>Abgangswinkel  (deg.)</translation>
    </message>
    <message>
        <source>Maximum Height</source>
        <translation>Gipfelhöhe</translation>
    </message>
    <message>
        <source>feet</source>
        <translation>feet</translation>
    </message>
    <message>
        <source>Terminal Velocity</source>
        <translation>Endgeschwindigkeit</translation>
    </message>
    <message>
        <source>ft/sec</source>
        <translation>ft/sec</translation>
    </message>
    <message>
        <source>Terminal Energy</source>
        <translation>Endenergie</translation>
    </message>
    <message>
        <source>ft-lbs</source>
        <translation>ft-lbs</translation>
    </message>
    <message>
        <source>Time of Flight (sec.s)</source>
        <translation>Flugzeit (sec.s)</translation>
    </message>
    <message>
        <source>velocity</source>
        <translation>Geschwindigkeit</translation>
    </message>
    <message>
        <source>BC</source>
        <translation>BK</translation>
    </message>
    <message>
        <source>range</source>
        <translation>Entfernung</translation>
    </message>
    <message>
        <source>speed</source>
        <translation>Geschw.</translation>
    </message>
    <message>
        <source>direction</source>
        <translation>Richtung</translation>
    </message>
    <message>
        <source>Chronograph Velocity</source>
        <translation>Chronograph-Geschwindigkeit</translation>
    </message>
    <message>
        <source>BC Band Velocity</source>
        <translation>Geschwindigkeit des BK-Bands</translation>
    </message>
    <message>
        <source>Wind Zone Range</source>
        <translation>Entfernung der Windzone</translation>
    </message>
    <message>
        <source>yd.</source>
        <translation>yd.</translation>
    </message>
    <message>
        <source>Wind Zone Speed</source>
        <translation>Windgeschwindigkeit der Zone</translation>
    </message>
    <message>
        <source>BC Bands: from</source>
        <translation>BK-Bänder: ab</translation>
    </message>
    <message>
        <source>To</source>
        <translation>Bis</translation>
    </message>
</context>
<context>
    <name>SightPicture</name>
    <message>
        <source>first focal plane</source>
        <translation>erste Bildebene</translation>
    </message>
    <message>
        <source>%1x, true at %2x</source>
        <translation>%1x, stimmt bei %2x</translation>
    </message>
    <message>
        <source>the shot&apos;s wind</source>
        <translation>Wind des Schusses</translation>
    </message>
    <message>
        <source>shot</source>
        <translation>Schuss</translation>
    </message>
</context>
<context>
    <name>TableDialogs</name>
    <message>
        <source>Save As</source>
        <translation>Speichern unter</translation>
    </message>
    <message>
        <source>Text Files (*.txt)</source>
        <translation>Textdateien (*.txt)</translation>
    </message>
    <message>
        <source>Export CSV</source>
        <translation>CSV exportieren</translation>
    </message>
    <message>
        <source>CSV Files (*.csv)</source>
        <translation>CSV-Dateien (*.csv)</translation>
    </message>
    <message>
        <source>Export Field Card</source>
        <translation>Schusskarte exportieren</translation>
    </message>
    <message>
        <source>Field Cards (*.pdf *.svg *.png)</source>
        <translation>Schusskarten (*.pdf *.svg *.png)</translation>
    </message>
</context>
<context>
    <name>Theme</name>
    <message>
        <source>&amp;Theme</source>
        <translation>&amp;Design</translation>
    </message>
    <message>
        <source>&amp;System</source>
        <translation>&amp;System</translation>
    </message>
    <message>
        <source>&amp;Light</source>
        <translation>&amp;Hell</translation>
    </message>
    <message>
        <source>&amp;Dark</source>
        <translation>&amp;Dunkel</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>vorlan needs a graphical display (X or Wayland: DISPLAY or WAYLAND_DISPLAY) and found none.
vorlan-cli computes the same tables and calculations without one.
</source>
        <translation>vorlan braucht eine grafische Anzeige (X oder Wayland: DISPLAY oder WAYLAND_DISPLAY) und hat keine gefunden.
vorlan-cli berechnet dieselben Tafeln und Berechnungen ohne Anzeige.
</translation>
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
        <translation>Aufruf: vorlan [QT-OPTIONEN] [SCHUSS.vxf]
Der Außenballistik-Rechner Vorlan: ein Schuss je Fenster, mit Schusstafel, Diagramm und
Nebenrechnungen.

  SCHUSS.vxf   eine Schussdatei, die nach dem Lesen der Einstellungen geöffnet wird
  QT-OPTIONEN  die Standardoptionen von Qt-Programmen (-platform NAME, -style NAME, ...)
  --help       diese Hilfe ausgeben und beenden
  --version    die Version ausgeben und beenden

Das Kommandozeilenprogramm vorlan-cli führt dieselben Berechnungen ohne Fenster aus.
</translation>
    </message>
</context>
<context>
    <name>vorlan::CAboutDlg</name>
    <message>
        <source>Exterior ballistics and range tables for small arms and airguns</source>
        <translation>Außenballistik und Schusstafeln für Handfeuerwaffen und Luftgewehre</translation>
    </message>
    <message>
        <source>Copyright (C) 2026 the Vorlan developers</source>
        <translation>Copyright (C) 2026 die Vorlan-Entwickler</translation>
    </message>
    <message>
        <source>About Vorlan</source>
        <translation>Über Vorlan</translation>
    </message>
    <message>
        <source>Vorlan Version %1</source>
        <translation>Vorlan Version %1</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>vorlan::CAdvancedDlg</name>
    <message>
        <source>BC band %1</source>
        <translation>BK-Band %1</translation>
    </message>
    <message>
        <source>BC</source>
        <translation>BK</translation>
    </message>
    <message>
        <source>%1 needs its %2: please enter a number, or clear the row.</source>
        <translation>%1 braucht %2: bitte eine Zahl eingeben oder die Zeile leeren.</translation>
    </message>
    <message>
        <source>Wind zone %1</source>
        <translation>Windzone %1</translation>
    </message>
    <message>
        <source>Table of %1 points</source>
        <translation>Tabelle mit %1 Punkten</translation>
    </message>
    <message>
        <source>No table loaded</source>
        <translation>Keine Tabelle geladen</translation>
    </message>
    <message>
        <source>Load Drag Table</source>
        <translation>Widerstandstabelle laden</translation>
    </message>
    <message>
        <source>CSV Files (*.csv)</source>
        <translation>CSV-Dateien (*.csv)</translation>
    </message>
    <message>
        <source>All Files (*)</source>
        <translation>Alle Dateien (*)</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>%1: table of %2 points</source>
        <translation>%1: Tabelle mit %2 Punkten</translation>
    </message>
    <message>
        <source>Please enter two different powder temperatures.</source>
        <translation>Bitte zwei verschiedene Pulvertemperaturen eingeben.</translation>
    </message>
    <message>
        <source>The caliber names no diameter: enter Bullet Diameter.</source>
        <translation>Das Kaliber nennt keinen Durchmesser: Geschossdurchmesser eingeben.</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Schließen</translation>
    </message>
    <message>
        <source>Advanced</source>
        <translation>Erweitert</translation>
    </message>
    <message>
        <source>Diameter in use: %1 (%2)</source>
        <translation>Verwendeter Durchmesser: %1 (%2)</translation>
    </message>
    <message>
        <source>in.</source>
        <translation>in.</translation>
    </message>
    <message>
        <source>Degrees</source>
        <translation>Grad</translation>
    </message>
    <message>
        <source>Clock</source>
        <translation>Uhr</translation>
    </message>
    <message>
        <source>Wind</source>
        <translation>Wind</translation>
    </message>
    <message>
        <source>Left-Hand Twist</source>
        <translation>Linksdrall</translation>
    </message>
    <message>
        <source>Aerodynamic Jump</source>
        <translation>Aerodynamischer Sprung</translation>
    </message>
    <message>
        <source>Stability Factor (Sg)</source>
        <translation>Stabilitätsfaktor (Sg)</translation>
    </message>
    <message>
        <source>Spin</source>
        <translation>Drall</translation>
    </message>
    <message>
        <source>Earth&apos;s Rotation (Coriolis)</source>
        <translation>Erdrotation (Coriolis)</translation>
    </message>
    <message>
        <source>Coriolis</source>
        <translation>Coriolis</translation>
    </message>
    <message>
        <source>Compute</source>
        <translation>Berechnen</translation>
    </message>
    <message>
        <source>From Two Chronograph Readings</source>
        <translation>Aus zwei Chronographenmessungen</translation>
    </message>
    <message>
        <source>Powder</source>
        <translation>Pulver</translation>
    </message>
    <message>
        <source>Custom</source>
        <translation>Eigene Tabelle</translation>
    </message>
    <message>
        <source>Load CSV...</source>
        <translation>CSV laden...</translation>
    </message>
    <message>
        <source>Drag</source>
        <translation>Luftwiderstand</translation>
    </message>
    <message>
        <source>From (deg.)</source>
        <translation>Aus (deg.)</translation>
    </message>
    <message>
        <source>Wind Zones</source>
        <translation>Windzonen</translation>
    </message>
    <message>
        <source>Zero in These Conditions</source>
        <translation>Unter diesen Bedingungen einschießen</translation>
    </message>
    <message>
        <source>Zero Conditions</source>
        <translation>Einschießbedingungen</translation>
    </message>
    <message>
        <source>Fit the velocity and the drag to the holds observed at real ranges.</source>
        <translation>Geschwindigkeit und Luftwiderstand an die auf echten Entfernungen beobachteten Haltepunkte anpassen.</translation>
    </message>
    <message>
        <source>&amp;Truing...</source>
        <translation>&amp;Abgleich...</translation>
    </message>
    <message>
        <source>Truing</source>
        <translation>Abgleich</translation>
    </message>
    <message>
        <source>at</source>
        <translation>bei</translation>
    </message>
</context>
<context>
    <name>vorlan::CColorDlg</name>
    <message>
        <source>Dialog Color</source>
        <translation>Dialogfarbe</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Speichern</translation>
    </message>
    <message>
        <source>Revert</source>
        <translation>Zurücksetzen</translation>
    </message>
    <message>
        <source>Red</source>
        <translation>Rot</translation>
    </message>
    <message>
        <source>Blue</source>
        <translation>Blau</translation>
    </message>
    <message>
        <source>Green</source>
        <translation>Grün</translation>
    </message>
</context>
<context>
    <name>vorlan::CColorMsgBox</name>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Invalid Entry</source>
        <translation>Ungültige Eingabe</translation>
    </message>
</context>
<context>
    <name>vorlan::CComputeBC</name>
    <message>
        <source>The two velocities are equal: there is no loss to measure.</source>
        <translation>Die beiden Geschwindigkeiten sind gleich: es gibt keinen Verlust zu messen.</translation>
    </message>
    <message>
        <source>The far velocity is above the near one: no coefficient slows a bullet that way.</source>
        <translation>Die ferne Geschwindigkeit liegt über der nahen: kein Koeffizient bremst ein Geschoss so.</translation>
    </message>
    <message>
        <source>The loss is too small over this distance: the coefficient would be above 1.</source>
        <translation>Der Verlust ist über diese Distanz zu klein: der Koeffizient läge über 1.</translation>
    </message>
    <message>
        <source>These readings give no usable coefficient.</source>
        <translation>Diese Messwerte ergeben keinen brauchbaren Koeffizienten.</translation>
    </message>
    <message>
        <source>Compute Ballistic Coefficient</source>
        <translation>Ballistischen Koeffizienten berechnen</translation>
    </message>
    <message>
        <source>New BC</source>
        <translation>Neuer BK</translation>
    </message>
    <message>
        <source>Set New BC</source>
        <translation>Neuen BK setzen</translation>
    </message>
    <message>
        <source>Compute</source>
        <translation>Berechnen</translation>
    </message>
    <message>
        <source>New BC  (%1)</source>
        <translation>Neuer BK  (%1)</translation>
    </message>
</context>
<context>
    <name>vorlan::CComputeOPBZ</name>
    <message>
        <source>Compute Optimum Point Blank Zero (OPBZ)</source>
        <translation>Günstigste Einschießentfernung (GEE) berechnen</translation>
    </message>
    <message>
        <source>Compute</source>
        <translation>Berechnen</translation>
    </message>
</context>
<context>
    <name>vorlan::CEVWCalculations</name>
    <message>
        <source>Energy from Velocity and Weight</source>
        <translation>Energie aus Geschwindigkeit und Gewicht</translation>
    </message>
    <message>
        <source>Velocity from Weight and Energy</source>
        <translation>Geschwindigkeit aus Gewicht und Energie</translation>
    </message>
    <message>
        <source>Weight from Velocity and Energy</source>
        <translation>Gewicht aus Geschwindigkeit und Energie</translation>
    </message>
    <message>
        <source>Energy, Velocity and Weight Calculations</source>
        <translation>Energie-, Geschwindigkeits- und Gewichtsberechnung</translation>
    </message>
    <message>
        <source>Calculate</source>
        <translation>Berechnen</translation>
    </message>
</context>
<context>
    <name>vorlan::CFieldCardDlg</name>
    <message>
        <source>Left out to keep the type at %1 pt or more: %2. Choose fewer columns or a larger card.</source>
        <translation>Weggelassen, um die Schrift bei %1 pt oder größer zu halten: %2. Weniger Spalten oder eine größere Karte wählen.</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Keines</translation>
    </message>
    <message>
        <source>The holds of the card&apos;s rows and winds drawn on a reticle, beside the table (pocket and half cards)</source>
        <translation>Die Haltepunkte der Zeilen und Winde der Karte, auf einem Absehen gezeichnet, neben der Tabelle (Taschen- und Halbkarten)</translation>
    </message>
    <message>
        <source>Sight picture</source>
        <translation>Zielbild</translation>
    </message>
    <message>
        <source>&amp;Sight Picture...</source>
        <translation>&amp;Zielbild...</translation>
    </message>
    <message>
        <source>Field Card - %1</source>
        <translation>Schusskarte - %1</translation>
    </message>
    <message>
        <source>from:to:step</source>
        <translation>von:bis:Schritt</translation>
    </message>
    <message>
        <source>Gong 1 = 327
Ridge = 612</source>
        <translation>Gong 1 = 327
Grat = 612</translation>
    </message>
    <message>
        <source>none</source>
        <translation>keine</translation>
    </message>
    <message>
        <source>MOA</source>
        <translation>MOA</translation>
    </message>
    <message>
        <source>mil</source>
        <translation>mil</translation>
    </message>
    <message>
        <source>Clicks of %1</source>
        <translation>Klicks zu %1</translation>
    </message>
    <message>
        <source>Imperial</source>
        <translation>Imperial</translation>
    </message>
    <message>
        <source>Metric</source>
        <translation>Metrisch</translation>
    </message>
    <message>
        <source>Velocity</source>
        <translation>Geschwindigkeit</translation>
    </message>
    <message>
        <source>Time of flight</source>
        <translation>Flugzeit</translation>
    </message>
    <message>
        <source>Energy</source>
        <translation>Energie</translation>
    </message>
    <message>
        <source>One card</source>
        <translation>Eine Karte</translation>
    </message>
    <message>
        <source>Several on letter</source>
        <translation>Mehrere auf Letter</translation>
    </message>
    <message>
        <source>Several on A4</source>
        <translation>Mehrere auf A4</translation>
    </message>
    <message>
        <source>Ranges (from:to:step)</source>
        <translation>Entfernungen (von:bis:Schritt)</translation>
    </message>
    <message>
        <source>Targets (name = range)</source>
        <translation>Ziele (Name = Entfernung)</translation>
    </message>
    <message>
        <source>Winds</source>
        <translation>Winde</translation>
    </message>
    <message>
        <source>Temperatures</source>
        <translation>Temperaturen</translation>
    </message>
    <message>
        <source>Elevation and wind in</source>
        <translation>Höhe und Wind in</translation>
    </message>
    <message>
        <source>Units</source>
        <translation>Einheiten</translation>
    </message>
    <message>
        <source>Also</source>
        <translation>Zusätzlich</translation>
    </message>
    <message>
        <source>Card</source>
        <translation>Karte</translation>
    </message>
    <message>
        <source>Sheet</source>
        <translation>Blatt</translation>
    </message>
    <message>
        <source>&amp;Print...</source>
        <translation>&amp;Drucken...</translation>
    </message>
    <message>
        <source>Print Pre&amp;view</source>
        <translation>Druckvor&amp;schau</translation>
    </message>
    <message>
        <source>P&amp;rint Setup...</source>
        <translation>Seite ein&amp;richten...</translation>
    </message>
    <message>
        <source>&amp;Export...</source>
        <translation>&amp;Exportieren...</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>Pocket</source>
        <translation>Tasche</translation>
    </message>
    <message>
        <source>Half page</source>
        <translation>Halbe Seite</translation>
    </message>
    <message>
        <source>Full page</source>
        <translation>Ganze Seite</translation>
    </message>
    <message>
        <source>Strip</source>
        <translation>Streifen</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <source>Up to three, deg. C</source>
        <translation>Bis zu drei, deg. C</translation>
    </message>
    <message>
        <source>Up to three, deg. F</source>
        <translation>Bis zu drei, deg. F</translation>
    </message>
    <message>
        <source>The field card could not be saved to &quot;%1&quot;.
%2</source>
        <translation>Die Schusskarte konnte nicht in &quot;%1&quot; gespeichert werden.
%2</translation>
    </message>
    <message>
        <source>%1, full value from the right</source>
        <translation>%1, voller Wind von rechts</translation>
    </message>
</context>
<context>
    <name>vorlan::CHitProbabilityDlg</name>
    <message>
        <source>From C&amp;hronograph...</source>
        <translation>Vom C&amp;hronographen...</translation>
    </message>
    <message>
        <source>Muzzle &amp;velocity SD</source>
        <translation>SD &amp;V0</translation>
    </message>
    <message>
        <source>&amp;BC SD</source>
        <translation>SD &amp;BK</translation>
    </message>
    <message>
        <source>&amp;Range estimate SD</source>
        <translation>SD &amp;Entfernungsschätzung</translation>
    </message>
    <message>
        <source>&amp;Wind call SD</source>
        <translation>SD &amp;Windschätzung</translation>
    </message>
    <message>
        <source>Wind &amp;direction SD</source>
        <translation>SD Wind&amp;richtung</translation>
    </message>
    <message>
        <source>&amp;Precision</source>
        <translation>&amp;Präzision</translation>
    </message>
    <message>
        <source>&amp;Cant SD</source>
        <translation>SD Ver&amp;kantung</translation>
    </message>
    <message>
        <source>&amp;Target</source>
        <translation>&amp;Ziel</translation>
    </message>
    <message>
        <source>&amp;Ethical P(hit)</source>
        <translation>Waid&amp;gerechte P(Treffer)</translation>
    </message>
    <message>
        <source>&amp;Samples</source>
        <translation>&amp;Stichproben</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>Si&amp;ght Picture...</source>
        <translation>Zielbil&amp;d...</translation>
    </message>
    <message>
        <source>Groups of %1 shots measuring %2 MOA from centre to centre, on average, are a spread of %3 MOA per axis: the mean extreme spread of %1 shots is %4 standard deviations.</source>
        <translation>Gruppen aus %1 Schuss mit im Mittel %2 MOA von Mitte zu Mitte entsprechen einer Streuung von %3 MOA je Achse: die mittlere Extremstreuung von %1 Schuss beträgt %4 Standardabweichungen.</translation>
    </message>
    <message>
        <source>The table has no range to count hits at.</source>
        <translation>Die Tafel hat keine Entfernung, auf der Treffer gezählt werden können.</translation>
    </message>
    <message>
        <source>Counting...</source>
        <translation>Zählt...</translation>
    </message>
    <message>
        <source>%1 sampled</source>
        <translation>%1 (Stichprobe)</translation>
    </message>
    <message>
        <source>Error budget, in %1 ms.</source>
        <translation>Fehlerbudget, berechnet in %1 ms.</translation>
    </message>
    <message>
        <source>Error budget, in %1 ms; %2 of %3 ranges sampled (%4 samples, seed %5), the impact being far from linear there.</source>
        <translation>Fehlerbudget, berechnet in %1 ms; %2 von %3 Entfernungen per Stichprobe (%4 Stichproben, Startwert %5), da der Treffpunkt dort stark nichtlinear ist.</translation>
    </message>
    <message>
        <source>No input alone makes a miss.</source>
        <translation>Keine Eingabe allein führt zum Fehlschuss.</translation>
    </message>
    <message>
        <source> ± %1 %</source>
        <translation> ± %1 %</translation>
    </message>
    <message>
        <source>%1: &quot;%2&quot; is not a number.</source>
        <translation>%1: &quot;%2&quot; ist keine Zahl.</translation>
    </message>
    <message>
        <source>Hit Probability - %1</source>
        <translation>Trefferwahrscheinlichkeit - %1</translation>
    </message>
    <message>
        <source>No spread is set: assumed are the typical spreads of a practised rifleman (velocity %1 %2, coefficient 2 %, range 3 %, wind call %3 %4, precision 0.5 MOA). OK keeps them with the shot.</source>
        <translation>Keine Streuung gesetzt: angenommen werden die typischen Streuungen eines geübten Schützen (Geschwindigkeit %1 %2, Koeffizient 2 %, Entfernung 3 %, Windschätzung %3 %4, Präzision 0.5 MOA). OK behält sie beim Schuss.</translation>
    </message>
    <message>
        <source>Ethical P(hit)</source>
        <translation>Waidgerechte P(Treffer)</translation>
    </message>
    <message>
        <source>Ethical P(hit): a percentage from 0 to 100.</source>
        <translation>Waidgerechte P(Treffer): ein Prozentwert von 0 bis 100.</translation>
    </message>
    <message>
        <source>Samples</source>
        <translation>Stichproben</translation>
    </message>
    <message>
        <source>Samples: a whole number from %1 to %2.</source>
        <translation>Stichproben: eine ganze Zahl von %1 bis %2.</translation>
    </message>
    <message>
        <source>Muzzle velocity SD</source>
        <translation>SD V0</translation>
    </message>
    <message>
        <source>Range estimate SD</source>
        <translation>SD Entfernungsschätzung</translation>
    </message>
    <message>
        <source>Wind call SD</source>
        <translation>SD Windschätzung</translation>
    </message>
    <message>
        <source>BC SD</source>
        <translation>SD BK</translation>
    </message>
    <message>
        <source>Wind direction SD</source>
        <translation>SD Windrichtung</translation>
    </message>
    <message>
        <source>Cant SD</source>
        <translation>SD Verkantung</translation>
    </message>
    <message>
        <source>Precision</source>
        <translation>Präzision</translation>
    </message>
    <message>
        <source>Shots in the group</source>
        <translation>Schuss je Gruppe</translation>
    </message>
    <message>
        <source>Shots in the group: a group of 2 to 10 shots.</source>
        <translation>Schuss je Gruppe: eine Gruppe aus 2 bis 10 Schuss.</translation>
    </message>
    <message>
        <source>Target width</source>
        <translation>Zielbreite</translation>
    </message>
    <message>
        <source>Target height</source>
        <translation>Zielhöhe</translation>
    </message>
    <message>
        <source>Target: give its size in inches.</source>
        <translation>Ziel: seine Größe in Zoll angeben.</translation>
    </message>
    <message>
        <source>Target: give its size in %1.</source>
        <translation>Ziel: seine Größe in %1 angeben.</translation>
    </message>
    <message>
        <source>P(hit) at %1: %2 %</source>
        <translation>P(Treffer) auf %1: %2 %</translation>
    </message>
    <message>
        <source>P(hit) at %1: beyond the table</source>
        <translation>P(Treffer) auf %1: jenseits der Tafel</translation>
    </message>
    <message>
        <source>Farthest ethical range: %1 (P(hit) stays at or above %2 % up to it).</source>
        <translation>Weiteste waidgerechte Entfernung: %1 (P(Treffer) bleibt bis dahin auf oder über %2 %).</translation>
    </message>
    <message>
        <source>Farthest ethical range: none (P(hit) is below %1 % at %2 already).</source>
        <translation>Weiteste waidgerechte Entfernung: keine (P(Treffer) liegt schon auf %2 unter %1 %).</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <translation>%1 %2</translation>
    </message>
    <message>
        <source>Standard deviation of the muzzle velocity from shot to shot</source>
        <translation>Standardabweichung der Mündungsgeschwindigkeit von Schuss zu Schuss</translation>
    </message>
    <message>
        <source>How well the ballistic coefficient is known, in percent of it</source>
        <translation>Wie genau der ballistische Koeffizient bekannt ist, in Prozent davon</translation>
    </message>
    <message>
        <source>Standard deviation of the range estimate</source>
        <translation>Standardabweichung der Entfernungsschätzung</translation>
    </message>
    <message>
        <source>Standard deviation of the wind call&apos;s speed</source>
        <translation>Standardabweichung der geschätzten Windgeschwindigkeit</translation>
    </message>
    <message>
        <source>Standard deviation of the wind call&apos;s direction</source>
        <translation>Standardabweichung der geschätzten Windrichtung</translation>
    </message>
    <message>
        <source>The rifle and shooter&apos;s spread of shots at the same aim</source>
        <translation>Die Streuung von Waffe und Schütze bei gleichem Haltepunkt</translation>
    </message>
    <message>
        <source>Shots in each group measured (2 to 10)</source>
        <translation>Schuss je gemessener Gruppe (2 bis 10)</translation>
    </message>
    <message>
        <source>Standard deviation of the rifle&apos;s cant at the shot</source>
        <translation>Standardabweichung der Verkantung der Waffe beim Schuss</translation>
    </message>
    <message>
        <source>The diameter of the circle (the OPBZ vital zone unless set), or the width</source>
        <translation>Der Durchmesser des Kreises (die Vitalzone der GEE, wenn nicht gesetzt) oder die Breite</translation>
    </message>
    <message>
        <source>The height of the rectangle</source>
        <translation>Die Höhe des Rechtecks</translation>
    </message>
    <message>
        <source>The P(hit) an ethical shot must reach</source>
        <translation>Die P(Treffer), die ein waidgerechter Schuss erreichen muss</translation>
    </message>
    <message>
        <source>Sampled shots where the error budget falls back to samples: more shrink the error as one over their square root</source>
        <translation>Stichprobenschüsse, wo das Fehlerbudget auf Stichproben zurückgreift: mehr verkleinern den Fehler mit eins durch ihre Quadratwurzel</translation>
    </message>
    <message>
        <source>% of range</source>
        <translation>% der Entfernung</translation>
    </message>
    <message>
        <source>MOA, SD per axis</source>
        <translation>MOA, SD je Achse</translation>
    </message>
    <message>
        <source>MOA group of</source>
        <translation>MOA-Gruppe aus</translation>
    </message>
    <message>
        <source>Circle</source>
        <translation>Kreis</translation>
    </message>
    <message>
        <source>Rectangle</source>
        <translation>Rechteck</translation>
    </message>
    <message>
        <source>shots</source>
        <translation>Schuss</translation>
    </message>
    <message>
        <source>x</source>
        <translation>x</translation>
    </message>
    <message>
        <source>deg.</source>
        <translation>deg.</translation>
    </message>
    <message>
        <source>P(hit) %</source>
        <translation>P(Treffer) %</translation>
    </message>
    <message>
        <source>± %</source>
        <translation>± %</translation>
    </message>
    <message>
        <source>m</source>
        <translation>m</translation>
    </message>
    <message>
        <source>yd</source>
        <translation>yd</translation>
    </message>
    <message>
        <source>Range (m)</source>
        <translation>Entfernung (m)</translation>
    </message>
    <message>
        <source>Range (yd)</source>
        <translation>Entfernung (yd)</translation>
    </message>
</context>
<context>
    <name>vorlan::CLibraryDlg</name>
    <message>
        <source>Library</source>
        <translation>Bibliothek</translation>
    </message>
    <message>
        <source>&amp;Folder...</source>
        <translation>&amp;Ordner...</translation>
    </message>
    <message>
        <source>Filter: any text shown</source>
        <translation>Filter: jeder angezeigte Text</translation>
    </message>
    <message>
        <source>Fil&amp;ter:</source>
        <translation>Fil&amp;ter:</translation>
    </message>
    <message>
        <source>&amp;Open</source>
        <translation>Ö&amp;ffnen</translation>
    </message>
    <message>
        <source>&amp;Save Current Shot...</source>
        <translation>Aktuellen Schuss &amp;speichern...</translation>
    </message>
    <message>
        <source>&amp;Duplicate</source>
        <translation>&amp;Duplizieren</translation>
    </message>
    <message>
        <source>&amp;Rename...</source>
        <translation>&amp;Umbenennen...</translation>
    </message>
    <message>
        <source>&amp;Move to Rifle...</source>
        <translation>Zu Waffe &amp;verschieben...</translation>
    </message>
    <message>
        <source>De&amp;lete</source>
        <translation>&amp;Löschen</translation>
    </message>
    <message>
        <source>&amp;Import...</source>
        <translation>&amp;Importieren...</translation>
    </message>
    <message>
        <source>&amp;Export...</source>
        <translation>&amp;Exportieren...</translation>
    </message>
    <message>
        <source>From C&amp;hronograph...</source>
        <translation>Vom C&amp;hronographen...</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>S&amp;chließen</translation>
    </message>
    <message numerus="yes">
        <source>%n file(s) could not be read: %1</source>
        <translation>
            <numerusform>%n Datei konnte nicht gelesen werden: %1</numerusform>
            <numerusform>%n Dateien konnten nicht gelesen werden: %1</numerusform>
        </translation>
    </message>
    <message>
        <source>A7P Profiles (*.a7p)</source>
        <translation>A7P-Profile (*.a7p)</translation>
    </message>
    <message>
        <source>Opened &quot;%1&quot; in the main window.</source>
        <translation>&quot;%1&quot; im Hauptfenster geöffnet.</translation>
    </message>
    <message>
        <source>Save Current Shot</source>
        <translation>Aktuellen Schuss speichern</translation>
    </message>
    <message>
        <source>Not saved: %1</source>
        <translation>Nicht gespeichert: %1</translation>
    </message>
    <message>
        <source>(no rifle)</source>
        <translation>(keine Waffe)</translation>
    </message>
    <message>
        <source>&quot;%1&quot; of %2 is in the library already. Replace it with the shot on screen?</source>
        <translation>&quot;%1&quot; von %2 ist schon in der Bibliothek. Durch den angezeigten Schuss ersetzen?</translation>
    </message>
    <message>
        <source>Saved &quot;%1&quot;.</source>
        <translation>&quot;%1&quot; gespeichert.</translation>
    </message>
    <message>
        <source>Duplicated as &quot;%1&quot;.</source>
        <translation>Dupliziert als &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>Rename</source>
        <translation>Umbenennen</translation>
    </message>
    <message>
        <source>Not renamed: a load needs a name.</source>
        <translation>Nicht umbenannt: eine Laborierung braucht einen Namen.</translation>
    </message>
    <message>
        <source>Not renamed: %1</source>
        <translation>Nicht umbenannt: %1</translation>
    </message>
    <message>
        <source>Renamed to &quot;%1&quot;.</source>
        <translation>Umbenannt in &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>Move to Rifle</source>
        <translation>Zu Waffe verschieben</translation>
    </message>
    <message>
        <source>Not moved: %1</source>
        <translation>Nicht verschoben: %1</translation>
    </message>
    <message>
        <source>Moved to (no rifle).</source>
        <translation>Verschoben zu (keine Waffe).</translation>
    </message>
    <message>
        <source>Moved to %1.</source>
        <translation>Verschoben zu %1.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; moved to the trash.</source>
        <translation>&quot;%1&quot; in den Papierkorb verschoben.</translation>
    </message>
    <message>
        <source>Import</source>
        <translation>Importieren</translation>
    </message>
    <message>
        <source>Shot Files and Profiles (*.vxf *.a7p)</source>
        <translation>Schussdateien und Profile (*.vxf *.a7p)</translation>
    </message>
    <message>
        <source>Imported &quot;%1&quot; as &quot;%2&quot;.</source>
        <translation>&quot;%1&quot; als &quot;%2&quot; importiert.</translation>
    </message>
    <message>
        <source>These fields of the profile have no place in a shot; the load keeps them for its export:
%1</source>
        <translation>Diese Felder des Profils haben keinen Platz in einem Schuss; die Laborierung behält sie für ihren Export:
%1</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>Exportieren</translation>
    </message>
    <message>
        <source>Exported to &quot;%1&quot;.</source>
        <translation>Exportiert nach &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; takes a muzzle velocity of %2 ft/s and an MV SD of %3 ft/s.</source>
        <translation>&quot;%1&quot; übernimmt eine Mündungsgeschwindigkeit von %2 ft/s und eine V0-SD von %3 ft/s.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; takes an MV SD of %2 ft/s.</source>
        <translation>&quot;%1&quot; übernimmt eine V0-SD von %2 ft/s.</translation>
    </message>
    <message>
        <source>Library Folder</source>
        <translation>Bibliotheksordner</translation>
    </message>
    <message>
        <source>The folder could not be remembered in &quot;%1&quot;: %2</source>
        <translation>Der Ordner konnte nicht in &quot;%1&quot; gespeichert werden: %2</translation>
    </message>
    <message>
        <source>VXF Files (*.vxf)</source>
        <translation>VXF-Dateien (*.vxf)</translation>
    </message>
</context>
<context>
    <name>vorlan::CMaximumRangeDlg</name>
    <message>
        <source>Compute Maximum Range</source>
        <translation>Maximale Reichweite berechnen</translation>
    </message>
    <message>
        <source>(G1 Drag)</source>
        <translation>(G1-Widerstand)</translation>
    </message>
    <message>
        <source>Maximum Distance</source>
        <translation>Maximale Entfernung</translation>
    </message>
    <message>
        <source>Maximum Height</source>
        <translation>Maximale Höhe</translation>
    </message>
    <message>
        <source>(%1 Drag Function)</source>
        <translation>(Widerstandsfunktion %1)</translation>
    </message>
</context>
<context>
    <name>vorlan::CShoot</name>
    <message>
        <source>Shot Comparison Results</source>
        <translation>Ergebnis des Schussvergleichs</translation>
    </message>
    <message>
        <source>&amp;Chart</source>
        <translation>&amp;Diagramm</translation>
    </message>
    <message>
        <source>Relative Drop (in.)</source>
        <translation>Relative Fallhöhe (in.)</translation>
    </message>
    <message>
        <source>Relative Drop (%1)</source>
        <translation>Relative Fallhöhe (%1)</translation>
    </message>
    <message>
        <source>Relative Drift (in.)</source>
        <translation>Relative Abdrift (in.)</translation>
    </message>
    <message>
        <source>Relative Drift (%1)</source>
        <translation>Relative Abdrift (%1)</translation>
    </message>
    <message>
        <source>Target Range (yards)</source>
        <translation>Zielentfernung (yards)</translation>
    </message>
    <message>
        <source>Target Range (%1)</source>
        <translation>Zielentfernung (%1)</translation>
    </message>
    <message>
        <source>Baseline Gun/Projectile/Shot Name</source>
        <translation>Referenz: Waffe/Geschoss/Schuss</translation>
    </message>
    <message>
        <source>Current Gun/Projectile/Shot Name</source>
        <translation>Aktuell: Waffe/Geschoss/Schuss</translation>
    </message>
</context>
<context>
    <name>vorlan::CSightPictureDlg</name>
    <message>
        <source>Sight Picture - %1</source>
        <translation>Zielbild - %1</translation>
    </message>
    <message>
        <source>Reticle &amp;File...</source>
        <translation>Absehen-Date&amp;i...</translation>
    </message>
    <message>
        <source>as the reticle is made</source>
        <translation>wie das Absehen gebaut ist</translation>
    </message>
    <message>
        <source>A magnification here makes the reticle second focal plane, true at it</source>
        <translation>Eine Vergrößerung hier macht das Absehen zu einem der zweiten Bildebene, das bei ihr stimmt</translation>
    </message>
    <message>
        <source>Dial the elevation, hold the wind</source>
        <translation>Höhe am Turm, Wind über Haltepunkt</translation>
    </message>
    <message>
        <source>Hold everything</source>
        <translation>Alles über Haltepunkt</translation>
    </message>
    <message>
        <source>Dial the zero at a range, hold the rest</source>
        <translation>Fleck einer Entfernung am Turm, Rest über Haltepunkt</translation>
    </message>
    <message>
        <source>e.g. 300, 400, 500</source>
        <translation>z. B. 300, 400, 500</translation>
    </message>
    <message>
        <source>Full value from the right</source>
        <translation>Voller Wind von rechts</translation>
    </message>
    <message>
        <source>&amp;Reticle</source>
        <translation>&amp;Absehen</translation>
    </message>
    <message>
        <source>&amp;Magnification</source>
        <translation>&amp;Vergrößerung</translation>
    </message>
    <message>
        <source>Second plane, &amp;true at</source>
        <translation>Zweite Ebene, s&amp;timmt bei</translation>
    </message>
    <message>
        <source>&amp;Holds</source>
        <translation>&amp;Haltepunkte</translation>
    </message>
    <message>
        <source>&amp;Zero dialled at (m)</source>
        <translation>&amp;Fleck am Turm auf (m)</translation>
    </message>
    <message>
        <source>&amp;Zero dialled at (yd)</source>
        <translation>&amp;Fleck am Turm auf (yd)</translation>
    </message>
    <message>
        <source>Ra&amp;nges (m)</source>
        <translation>E&amp;ntfernungen (m)</translation>
    </message>
    <message>
        <source>Ra&amp;nges (yd)</source>
        <translation>E&amp;ntfernungen (yd)</translation>
    </message>
    <message>
        <source>Open Reticle</source>
        <translation>Absehen öffnen</translation>
    </message>
    <message>
        <source>Reticle Files (*.vrt)</source>
        <translation>Absehen-Dateien (*.vrt)</translation>
    </message>
    <message>
        <source>All Files (*)</source>
        <translation>Alle Dateien (*)</translation>
    </message>
    <message>
        <source>&amp;Print...</source>
        <translation>&amp;Drucken...</translation>
    </message>
    <message>
        <source>Print Pre&amp;view</source>
        <translation>Druckvor&amp;schau</translation>
    </message>
    <message>
        <source>&amp;Export...</source>
        <translation>&amp;Exportieren...</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>The magnification is not a number.</source>
        <translation>Die Vergrößerung ist keine Zahl.</translation>
    </message>
    <message>
        <source>The magnification the reticle is true at is not a number.</source>
        <translation>Die Vergrößerung, bei der das Absehen stimmt, ist keine Zahl.</translation>
    </message>
    <message>
        <source>The range of the zero is not a number.</source>
        <translation>Die Entfernung des Flecks ist keine Zahl.</translation>
    </message>
    <message>
        <source>Export Sight Picture</source>
        <translation>Zielbild exportieren</translation>
    </message>
    <message>
        <source>PDF Files (*.pdf)</source>
        <translation>PDF-Dateien (*.pdf)</translation>
    </message>
    <message>
        <source>SVG Files (*.svg)</source>
        <translation>SVG-Dateien (*.svg)</translation>
    </message>
    <message>
        <source>PNG Files (*.png)</source>
        <translation>PNG-Dateien (*.png)</translation>
    </message>
    <message>
        <source>The sight picture could not be saved to &quot;%1&quot;.
%2</source>
        <translation>Das Zielbild konnte nicht in &quot;%1&quot; gespeichert werden.
%2</translation>
    </message>
    <message>
        <source>&amp;Winds (%1)</source>
        <translation>&amp;Winde (%1)</translation>
    </message>
    <message>
        <source>e.g. %1, %2 (%3)</source>
        <translation>z. B. %1, %2 (%3)</translation>
    </message>
</context>
<context>
    <name>vorlan::CTruingDlg</name>
    <message>
        <source>Truing - %1</source>
        <translation>Abgleich - %1</translation>
    </message>
    <message>
        <source>Load Observations</source>
        <translation>Beobachtungen laden</translation>
    </message>
    <message>
        <source>CSV Files (*.csv)</source>
        <translation>CSV-Dateien (*.csv)</translation>
    </message>
    <message>
        <source>All Files (*)</source>
        <translation>Alle Dateien (*)</translation>
    </message>
    <message>
        <source>Observations Not Loaded</source>
        <translation>Beobachtungen nicht geladen</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>Observations not loaded from %1.</source>
        <translation>Beobachtungen nicht aus %1 geladen.</translation>
    </message>
    <message>
        <source>%1: %2 observations loaded. Press Fit.</source>
        <translation>%1: %2 Beobachtungen geladen. „Anpassen“ drücken.</translation>
    </message>
    <message>
        <source>Observations loaded from %1.</source>
        <translation>Beobachtungen aus %1 geladen.</translation>
    </message>
    <message>
        <source>There are no observations to save.</source>
        <translation>Es gibt keine Beobachtungen zum Speichern.</translation>
    </message>
    <message>
        <source>Save Observations</source>
        <translation>Beobachtungen speichern</translation>
    </message>
    <message>
        <source>Observations saved to %1.</source>
        <translation>Beobachtungen in %1 gespeichert.</translation>
    </message>
    <message>
        <source>Observations not saved.</source>
        <translation>Beobachtungen nicht gespeichert.</translation>
    </message>
    <message>
        <source>Observations Not Saved</source>
        <translation>Beobachtungen nicht gespeichert</translation>
    </message>
    <message>
        <source>The observations could not be saved to &quot;%1&quot;.
%2</source>
        <translation>Die Beobachtungen konnten nicht in &quot;%1&quot; gespeichert werden.
%2</translation>
    </message>
    <message>
        <source>There are no observations: enter a range and what you dialled, measured or timed there.</source>
        <translation>Es gibt keine Beobachtungen: eine Entfernung eingeben und was dort eingestellt, gemessen oder gestoppt wurde.</translation>
    </message>
    <message>
        <source>Fitted: Apply writes the fitted values into the shot.</source>
        <translation>Angepasst: „Übernehmen“ schreibt die angepassten Werte in den Schuss.</translation>
    </message>
    <message>
        <source>Not fitted: the reason is given above.</source>
        <translation>Nicht angepasst: der Grund steht oben.</translation>
    </message>
    <message>
        <source>The shot has changed since the fit: press Fit again before Apply.</source>
        <translation>Der Schuss hat sich seit der Anpassung geändert: vor „Übernehmen“ erneut „Anpassen“ drücken.</translation>
    </message>
    <message>
        <source>Not applied: %1</source>
        <translation>Nicht übernommen: %1</translation>
    </message>
    <message>
        <source>, drag function %1 %2</source>
        <translation>, Widerstandsfunktion %1 %2</translation>
    </message>
    <message>
        <source>No truing is in force.</source>
        <translation>Es ist kein Abgleich wirksam.</translation>
    </message>
    <message>
        <source>Truing</source>
        <translation>Abgleich</translation>
    </message>
    <message>
        <source>it holds %1 observations; the window takes %2</source>
        <translation>sie enthält %1 Beobachtungen; das Fenster fasst %2</translation>
    </message>
    <message>
        <source>Applied: velocity %1%2, drag scale %3. Clear Truing takes it back.</source>
        <translation>Übernommen: Geschwindigkeit %1%2, Widerstandsskala %3. „Abgleich aufheben“ nimmt es zurück.</translation>
    </message>
    <message>
        <source>Truing taken back: velocity %1 and the drag scale as they were before Apply.</source>
        <translation>Abgleich zurückgenommen: Geschwindigkeit %1 und Widerstandsskala wie vor „Übernehmen“.</translation>
    </message>
    <message>
        <source>Truing cleared: the velocity is back to %1, as entered before truing.</source>
        <translation>Abgleich aufgehoben: die Geschwindigkeit ist wieder %1, wie vor dem Abgleich eingegeben.</translation>
    </message>
    <message>
        <source>Drag scale cleared; the velocity stays %1</source>
        <translation>Widerstandsskala aufgehoben; die Geschwindigkeit bleibt %1</translation>
    </message>
    <message>
        <source>Range
yd.</source>
        <translation>Entf.
yd.</translation>
    </message>
    <message>
        <source>Up
MOA</source>
        <translation>Hoch
MOA</translation>
    </message>
    <message>
        <source>Up
mil</source>
        <translation>Hoch
mil</translation>
    </message>
    <message>
        <source>Up
clicks</source>
        <translation>Hoch
Klicks</translation>
    </message>
    <message>
        <source>Drop
in.</source>
        <translation>Fallhöhe
in.</translation>
    </message>
    <message>
        <source>Velocity
f.p.s.</source>
        <translation>Geschw.
f.p.s.</translation>
    </message>
    <message>
        <source>Time
s</source>
        <translation>Zeit
s</translation>
    </message>
    <message>
        <source>± Hold
MOA</source>
        <translation>± Haltep.
MOA</translation>
    </message>
    <message>
        <source>± Vel.
f.p.s.</source>
        <translation>± Geschw.
f.p.s.</translation>
    </message>
    <message>
        <source>&amp;Load CSV...</source>
        <translation>CSV &amp;laden...</translation>
    </message>
    <message>
        <source>&amp;Save CSV...</source>
        <translation>CSV &amp;speichern...</translation>
    </message>
    <message>
        <source>Observations</source>
        <translation>Beobachtungen</translation>
    </message>
    <message>
        <source>Chosen by the number of ranges</source>
        <translation>Nach Anzahl der Entfernungen gewählt</translation>
    </message>
    <message>
        <source>Velocity only</source>
        <translation>Nur Geschwindigkeit</translation>
    </message>
    <message>
        <source>Velocity and one drag factor</source>
        <translation>Geschwindigkeit und ein Widerstandsfaktor</translation>
    </message>
    <message>
        <source>Velocity and drag scale by Mach</source>
        <translation>Geschwindigkeit und Widerstandsskala nach Mach</translation>
    </message>
    <message>
        <source>&amp;Fit</source>
        <translation>&amp;Anpassen</translation>
    </message>
    <message>
        <source>Fit:</source>
        <translation>Anpassung:</translation>
    </message>
    <message>
        <source>Enter what you observed at real ranges, then press Fit.</source>
        <translation>Eingeben, was auf echten Entfernungen beobachtet wurde, dann „Anpassen“ drücken.</translation>
    </message>
    <message>
        <source>Fit</source>
        <translation>Anpassung</translation>
    </message>
    <message>
        <source>Observed points over the predicted drop, before and after the fit:</source>
        <translation>Beobachtete Punkte über der vorhergesagten Fallhöhe, vor und nach der Anpassung:</translation>
    </message>
    <message>
        <source>Residuals, observed minus predicted:</source>
        <translation>Residuen, beobachtet minus vorhergesagt:</translation>
    </message>
    <message>
        <source>&amp;Apply</source>
        <translation>&amp;Übernehmen</translation>
    </message>
    <message>
        <source>&amp;Clear Truing</source>
        <translation>Abgleich au&amp;fheben</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Range (yd.)</source>
        <translation>Entfernung (yd.)</translation>
    </message>
    <message>
        <source>Range (%1)</source>
        <translation>Entfernung (%1)</translation>
    </message>
    <message>
        <source>Reading</source>
        <translation>Messwert</translation>
    </message>
    <message>
        <source>Observed</source>
        <translation>Beobachtet</translation>
    </message>
    <message>
        <source>Before</source>
        <translation>Vorher</translation>
    </message>
    <message>
        <source>After</source>
        <translation>Nachher</translation>
    </message>
    <message>
        <source>Up (MOA)</source>
        <translation>Hoch (MOA)</translation>
    </message>
    <message>
        <source>Up (mil)</source>
        <translation>Hoch (mil)</translation>
    </message>
    <message>
        <source>Up (clicks)</source>
        <translation>Hoch (Klicks)</translation>
    </message>
    <message>
        <source>Drop (in.)</source>
        <translation>Fallhöhe (in.)</translation>
    </message>
    <message>
        <source>Velocity (f.p.s.)</source>
        <translation>Geschwindigkeit (f.p.s.)</translation>
    </message>
    <message>
        <source>Time (s)</source>
        <translation>Zeit (s)</translation>
    </message>
    <message>
        <source>± Hold (MOA)</source>
        <translation>± Haltep. (MOA)</translation>
    </message>
    <message>
        <source>± Vel. (f.p.s.)</source>
        <translation>± Geschw. (f.p.s.)</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <source>Drag scale: not fitted.</source>
        <translation>Widerstandsskala: nicht angepasst.</translation>
    </message>
    <message>
        <source>Drag scale: %1 ± %2 over the whole flight.</source>
        <translation>Widerstandsskala: %1 ± %2 über die ganze Flugbahn.</translation>
    </message>
    <message>
        <source>%1 ± %2 at Mach %3</source>
        <translation>%1 ± %2 bei Mach %3</translation>
    </message>
    <message>
        <source>Drag scale: %1.</source>
        <translation>Widerstandsskala: %1.</translation>
    </message>
    <message>
        <source>As entered: %1</source>
        <translation>Wie eingegeben: %1</translation>
    </message>
    <message>
        <source>Trued: %1, drag scale %2</source>
        <translation>Abgeglichen: %1, Widerstandsskala %2</translation>
    </message>
    <message>
        <source>Velocity: %1 ± %2</source>
        <translation>Geschwindigkeit: %1 ± %2</translation>
    </message>
    <message>
        <source>Residuals in uncertainties (r.m.s.): %1 before, %2 after.</source>
        <translation>Residuen in Unsicherheiten (Effektivwert): %1 vorher, %2 nachher.</translation>
    </message>
    <message>
        <source>Drag function: %1 %2, as its fit leaves the smaller weighted residual.</source>
        <translation>Widerstandsfunktion: %1 %2, da ihre Anpassung das kleinere gewichtete Residuum lässt.</translation>
    </message>
    <message>
        <source>%1 f.p.s.</source>
        <translation>%1 f.p.s.</translation>
    </message>
</context>
<context>
    <name>vorlan::CUnitsDlg</name>
    <message>
        <source>Units</source>
        <translation>Einheiten</translation>
    </message>
    <message>
        <source>Preset</source>
        <translation>Vorgabe</translation>
    </message>
    <message>
        <source>&amp;Imperial</source>
        <translation>&amp;Imperial</translation>
    </message>
    <message>
        <source>&amp;Metric</source>
        <translation>&amp;Metrisch</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Preferences Not Saved</source>
        <translation>Einstellungen nicht gespeichert</translation>
    </message>
    <message>
        <source>The units could not be saved to &quot;%1&quot;.
%2</source>
        <translation>Die Einheiten konnten nicht in &quot;%1&quot; gespeichert werden.
%2</translation>
    </message>
    <message>
        <source>Distance</source>
        <translation>Entfernung</translation>
    </message>
    <message>
        <source>Velocity</source>
        <translation>Geschwindigkeit</translation>
    </message>
    <message>
        <source>Bullet weight</source>
        <translation>Geschossgewicht</translation>
    </message>
    <message>
        <source>Sight height and lengths</source>
        <translation>Visierhöhe und Längen</translation>
    </message>
    <message>
        <source>Drop and windage</source>
        <translation>Fallhöhe und Windabdrift</translation>
    </message>
    <message>
        <source>Temperature</source>
        <translation>Temperatur</translation>
    </message>
    <message>
        <source>Pressure</source>
        <translation>Luftdruck</translation>
    </message>
    <message>
        <source>Altitude</source>
        <translation>Höhe über NN</translation>
    </message>
    <message>
        <source>Wind and target speed</source>
        <translation>Wind- und Zielgeschwindigkeit</translation>
    </message>
    <message>
        <source>Energy</source>
        <translation>Energie</translation>
    </message>
    <message>
        <source>Gun weight</source>
        <translation>Waffengewicht</translation>
    </message>
</context>
<context>
    <name>vorlan::CVorlan2Dlg</name>
    <message>
        <source>Projectile and Sight</source>
        <translation>Geschoss und Visierung</translation>
    </message>
    <message>
        <source>Wind and Target</source>
        <translation>Wind und Ziel</translation>
    </message>
    <message>
        <source>Atmosphere</source>
        <translation>Atmosphäre</translation>
    </message>
    <message>
        <source>Air Density</source>
        <translation>Luftdichte</translation>
    </message>
    <message>
        <source>What&apos;s this?</source>
        <translation>Was ist das?</translation>
    </message>
    <message>
        <source>Open Load</source>
        <translation>Laborierung öffnen</translation>
    </message>
    <message>
        <source>The shot on screen has changes that are not saved. Open &quot;%1&quot; in its place?</source>
        <translation>Der angezeigte Schuss hat ungespeicherte Änderungen. Stattdessen &quot;%1&quot; öffnen?</translation>
    </message>
    <message>
        <source>Baseline set: %1</source>
        <translation>Referenz gesetzt: %1</translation>
    </message>
    <message>
        <source>Compares the current shot with the baseline &quot;%1&quot;.</source>
        <translation>Vergleicht den aktuellen Schuss mit der Referenz &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>
It is left as it is: the settings will not be saved over it at exit.</source>
        <translation>
Sie bleibt unverändert: die Einstellungen werden beim Beenden nicht darüber gespeichert.</translation>
    </message>
    <message>
        <source>Settings Not Read</source>
        <translation>Einstellungen nicht gelesen</translation>
    </message>
    <message>
        <source>The settings could not be read from &quot;%1&quot;.</source>
        <translation>Die Einstellungen konnten nicht aus &quot;%1&quot; gelesen werden.</translation>
    </message>
    <message>
        <source>The extra shot inputs could not be read from &quot;%1&quot;.</source>
        <translation>Die zusätzlichen Schusseingaben konnten nicht aus &quot;%1&quot; gelesen werden.</translation>
    </message>
    <message>
        <source>Settings Out of Bounds</source>
        <translation>Einstellungen außerhalb der Grenzen</translation>
    </message>
    <message>
        <source>The settings hold values outside their bounds; correct them before closing:</source>
        <translation>Die Einstellungen enthalten Werte außerhalb ihrer Grenzen; vor dem Schließen korrigieren:</translation>
    </message>
    <message>
        <source>Settings Not Saved</source>
        <translation>Einstellungen nicht gespeichert</translation>
    </message>
    <message>
        <source>The settings could not be saved to &quot;%1&quot;.</source>
        <translation>Die Einstellungen konnten nicht in &quot;%1&quot; gespeichert werden.</translation>
    </message>
    <message>
        <source>The extra shot inputs could not be saved to &quot;%1&quot;.</source>
        <translation>Die zusätzlichen Schusseingaben konnten nicht in &quot;%1&quot; gespeichert werden.</translation>
    </message>
    <message>
        <source>Save Failed</source>
        <translation>Speichern fehlgeschlagen</translation>
    </message>
    <message>
        <source>The shot could not be saved to &quot;%1&quot;.</source>
        <translation>Der Schuss konnte nicht in &quot;%1&quot; gespeichert werden.</translation>
    </message>
    <message>
        <source>Load Failed</source>
        <translation>Laden fehlgeschlagen</translation>
    </message>
    <message>
        <source>The shot file &quot;%1&quot; could not be read.</source>
        <translation>Die Schussdatei &quot;%1&quot; konnte nicht gelesen werden.</translation>
    </message>
    <message>
        <source>Load</source>
        <translation>Laden</translation>
    </message>
    <message>
        <source>Part of &quot;%1&quot; could not be read:</source>
        <translation>Ein Teil von &quot;%1&quot; konnte nicht gelesen werden:</translation>
    </message>
    <message>
        <source>&quot;%1&quot; not opened: %2</source>
        <translation>&quot;%1&quot; nicht geöffnet: %2</translation>
    </message>
    <message>
        <source>not a shot file (.vxf)</source>
        <translation>keine Schussdatei (.vxf)</translation>
    </message>
    <message>
        <source>not a shot file</source>
        <translation>keine Schussdatei</translation>
    </message>
    <message>
        <source>Values Out of Bounds</source>
        <translation>Werte außerhalb der Grenzen</translation>
    </message>
    <message>
        <source>&quot;%1&quot; holds values outside their bounds; correct them before computing:</source>
        <translation>&quot;%1&quot; enthält Werte außerhalb ihrer Grenzen; vor dem Rechnen korrigieren:</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Speichern</translation>
    </message>
    <message>
        <source>About Vorlan</source>
        <translation>Über Vorlan</translation>
    </message>
    <message>
        <source>&amp;Units...</source>
        <translation>&amp;Einheiten...</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>Calculations</source>
        <translation>Berechnungen</translation>
    </message>
    <message>
        <source>&amp;Advanced...</source>
        <translation>&amp;Erweitert...</translation>
    </message>
    <message>
        <source>Std. Atmosphere</source>
        <translation>Std.-Atmosphäre</translation>
    </message>
    <message>
        <source>ICAO Atmosphere</source>
        <translation>ICAO-Atmosphäre</translation>
    </message>
    <message>
        <source>Range Table</source>
        <translation>Schusstafel</translation>
    </message>
    <message>
        <source>Set Baseline</source>
        <translation>Als Referenz</translation>
    </message>
    <message>
        <source>Shoot</source>
        <translation>Schießen</translation>
    </message>
    <message>
        <source>Compute BC</source>
        <translation>BK berechnen</translation>
    </message>
    <message>
        <source>OPBZ</source>
        <translation>GEE</translation>
    </message>
    <message>
        <source>Maximum Range</source>
        <translation>Maximale Reichweite</translation>
    </message>
    <message>
        <source>&amp;Field Card...</source>
        <translation>&amp;Schusskarte...</translation>
    </message>
    <message>
        <source>Hit &amp;Probability...</source>
        <translation>Treffer&amp;wahrscheinlichkeit...</translation>
    </message>
    <message>
        <source>&amp;Library...</source>
        <translation>&amp;Bibliothek...</translation>
    </message>
</context>
<context>
    <name>vorlan::ChronoPlot</name>
    <message>
        <source>Velocity by shot</source>
        <translation>Geschwindigkeit je Schuss</translation>
    </message>
</context>
<context>
    <name>vorlan::ChronographDialog</name>
    <message>
        <source>From Chronograph</source>
        <translation>Vom Chronographen</translation>
    </message>
    <message>
        <source>Shot</source>
        <translation>Schuss</translation>
    </message>
    <message>
        <source>Velocity (ft/s)</source>
        <translation>Geschwindigkeit (ft/s)</translation>
    </message>
    <message>
        <source>Clear a shot&apos;s box to leave it out (a fouler or a flyer)</source>
        <translation>Das Feld eines Schusses leeren, um ihn wegzulassen (Vorwärmschuss oder Ausreißer)</translation>
    </message>
    <message>
        <source>%1, %2 shots</source>
        <translation>%1, %2 Schuss</translation>
    </message>
    <message>
        <source>Set the shot&apos;s muzzle &amp;velocity to the mean as well</source>
        <translation>Auch die Mündungs&amp;geschwindigkeit des Schusses auf den Mittelwert setzen</translation>
    </message>
    <message>
        <source>Keep at least two shots for a standard deviation.</source>
        <translation>Für eine Standardabweichung mindestens zwei Schüsse behalten.</translation>
    </message>
    <message>
        <source>Shots: %1
Mean: %2 ft/s
SD: %3 ft/s
Extreme spread: %4 ft/s</source>
        <translation>Schüsse: %1
Mittelwert: %2 ft/s
SD: %3 ft/s
Extremstreuung: %4 ft/s</translation>
    </message>
    <message>
        <source>Open Chronograph Session</source>
        <translation>Chronographen-Serie öffnen</translation>
    </message>
    <message>
        <source>Chronograph sessions (*.csv *.txt)</source>
        <translation>Chronographen-Serien (*.csv *.txt)</translation>
    </message>
    <message>
        <source>All files (*)</source>
        <translation>Alle Dateien (*)</translation>
    </message>
    <message>
        <source>The session holds fewer than two shots, so no standard deviation.</source>
        <translation>Die Serie enthält weniger als zwei Schüsse, also keine Standardabweichung.</translation>
    </message>
</context>
<context>
    <name>vorlan::CsvExportDialog</name>
    <message>
        <source>Only the &amp;printed rows</source>
        <translation>Nur die &amp;gedruckten Zeilen</translation>
    </message>
    <message>
        <source>&amp;Holds: true MOA, mil and clicks</source>
        <translation>&amp;Haltepunkte: echte MOA, mil und Klicks</translation>
    </message>
    <message>
        <source>Export CSV</source>
        <translation>CSV exportieren</translation>
    </message>
    <message>
        <source>Imperial</source>
        <translation>Imperial</translation>
    </message>
    <message>
        <source>Metric</source>
        <translation>Metrisch</translation>
    </message>
    <message>
        <source>&amp;Click value:</source>
        <translation>&amp;Klickwert:</translation>
    </message>
    <message>
        <source>&amp;Units:</source>
        <translation>&amp;Einheiten:</translation>
    </message>
</context>
<context>
    <name>vorlan::HelpBrowser</name>
    <message>
        <source>&lt; &amp;Back</source>
        <translation>&lt; &amp;Zurück</translation>
    </message>
    <message>
        <source>&amp;Forward &gt;</source>
        <translation>&amp;Vor &gt;</translation>
    </message>
    <message>
        <source>&amp;Contents</source>
        <translation>&amp;Inhalt</translation>
    </message>
    <message>
        <source>Vorlan Help</source>
        <translation>Vorlan-Hilfe</translation>
    </message>
    <message>
        <source>The help pages are in English.</source>
        <translation>Die Hilfeseiten sind auf Englisch.</translation>
    </message>
</context>
<context>
    <name>vorlan::HitScatterView</name>
    <message>
        <source>Impacts at the target range</source>
        <translation>Einschläge auf die Zielentfernung</translation>
    </message>
    <message>
        <source>Grid %1 %2; up and right as the shooter sees them</source>
        <translation>Raster %1 %2; oben und rechts, wie der Schütze sie sieht</translation>
    </message>
    <message>
        <source>Impacts at %1: %2 of %3 hit (%3 of %4 samples shown)</source>
        <translation>Einschläge auf %1: %2 von %3 getroffen (%3 von %4 Stichproben gezeigt)</translation>
    </message>
</context>
<context>
    <name>vorlan::LibraryModel</name>
    <message>
        <source>(no rifle)</source>
        <translation>(keine Waffe)</translation>
    </message>
    <message>
        <source>custom drag</source>
        <translation>eigener Widerstand</translation>
    </message>
    <message>
        <source> (bands)</source>
        <translation> (Bänder)</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>Caliber</source>
        <translation>Kaliber</translation>
    </message>
    <message>
        <source>Weight (gr)</source>
        <translation>Gewicht (gr)</translation>
    </message>
    <message>
        <source>BC and Drag</source>
        <translation>BK und Widerstand</translation>
    </message>
    <message>
        <source>Velocity (ft/s)</source>
        <translation>Geschw. (ft/s)</translation>
    </message>
    <message>
        <source>Sight-In (yd)</source>
        <translation>Einschießentf. (yd)</translation>
    </message>
    <message>
        <source>Last Changed</source>
        <translation>Zuletzt geändert</translation>
    </message>
    <message>
        <source>it holds no shot-file line</source>
        <translation>sie enthält keine Schussdatei-Zeile</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>%1: &quot;%2&quot; has changed since it was read (by another window or program). Nothing was written; look at it again and repeat.</source>
        <translation>%1: &quot;%2&quot; wurde seit dem Lesen geändert (von einem anderen Fenster oder Programm). Nichts wurde geschrieben; bitte erneut ansehen und wiederholen.</translation>
    </message>
    <message>
        <source>%1: the file is not a shot file (it holds no shot-file line).</source>
        <translation>%1: die Datei ist keine Schussdatei (sie enthält keine Schussdatei-Zeile).</translation>
    </message>
    <message>
        <source>%1: &quot;%2&quot; could not be moved to the trash (%3).</source>
        <translation>%1: &quot;%2&quot; konnte nicht in den Papierkorb verschoben werden (%3).</translation>
    </message>
    <message>
        <source>Not saved</source>
        <translation>Nicht gespeichert</translation>
    </message>
    <message>
        <source>Not duplicated</source>
        <translation>Nicht dupliziert</translation>
    </message>
    <message>
        <source>Not renamed</source>
        <translation>Nicht umbenannt</translation>
    </message>
    <message>
        <source>Not moved</source>
        <translation>Nicht verschoben</translation>
    </message>
    <message>
        <source>the desktop&apos;s trash did not take it</source>
        <translation>der Papierkorb des Desktops hat sie nicht angenommen</translation>
    </message>
    <message>
        <source>Not deleted</source>
        <translation>Nicht gelöscht</translation>
    </message>
    <message>
        <source>&quot;%1&quot; not imported</source>
        <translation>&quot;%1&quot; nicht importiert</translation>
    </message>
    <message>
        <source>Not exported</source>
        <translation>Nicht exportiert</translation>
    </message>
    <message>
        <source>Not changed</source>
        <translation>Nicht geändert</translation>
    </message>
</context>
<context>
    <name>vorlan::LoadNamingDlg</name>
    <message>
        <source>(no rifle)</source>
        <translation>(keine Waffe)</translation>
    </message>
    <message>
        <source>&amp;Rifle:</source>
        <translation>&amp;Waffe:</translation>
    </message>
    <message>
        <source>&amp;Name:</source>
        <translation>&amp;Name:</translation>
    </message>
</context>
<context>
    <name>vorlan::TableViewCommands</name>
    <message>
        <source>&amp;Holds</source>
        <translation>&amp;Haltepunkte</translation>
    </message>
    <message>
        <source>&amp;Units</source>
        <translation>&amp;Einheiten</translation>
    </message>
    <message>
        <source>&amp;Imperial</source>
        <translation>&amp;Imperial</translation>
    </message>
    <message>
        <source>&amp;Metric</source>
        <translation>&amp;Metrisch</translation>
    </message>
    <message>
        <source>Click &amp;Value</source>
        <translation>&amp;Klickwert</translation>
    </message>
    <message>
        <source>&amp;Units...</source>
        <translation>&amp;Einheiten...</translation>
    </message>
    <message>
        <source>Preferences Not Saved</source>
        <translation>Einstellungen nicht gespeichert</translation>
    </message>
    <message>
        <source>The table&apos;s view could not be saved to &quot;%1&quot;.
%2</source>
        <translation>Die Ansicht der Tafel konnte nicht in &quot;%1&quot; gespeichert werden.
%2</translation>
    </message>
    <message>
        <source>The range table could not be exported to &quot;%1&quot;.
%2</source>
        <translation>Die Schusstafel konnte nicht nach &quot;%1&quot; exportiert werden.
%2</translation>
    </message>
</context>
<context>
    <name>vorlan::TrajectoryChartCommands</name>
    <message>
        <source>&amp;Export Chart...</source>
        <translation>Diagramm &amp;exportieren...</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Ansicht</translation>
    </message>
    <message>
        <source>&amp;Table</source>
        <translation>&amp;Tafel</translation>
    </message>
    <message>
        <source>&amp;Chart</source>
        <translation>Dia&amp;gramm</translation>
    </message>
    <message>
        <source>&amp;Add to Chart...</source>
        <translation>Zum Diagramm hin&amp;zufügen...</translation>
    </message>
    <message>
        <source>&amp;Reset Zoom</source>
        <translation>Zoom zu&amp;rücksetzen</translation>
    </message>
    <message>
        <source>View</source>
        <translation>Ansicht</translation>
    </message>
    <message>
        <source>Add to Chart</source>
        <translation>Zum Diagramm hinzufügen</translation>
    </message>
    <message>
        <source>Open the range table of another shot first.</source>
        <translation>Zuerst die Schusstafel eines anderen Schusses öffnen.</translation>
    </message>
    <message>
        <source>Choose a file name ending in .png or .svg.</source>
        <translation>Einen Dateinamen auf .png oder .svg wählen.</translation>
    </message>
    <message>
        <source>The chart could not be exported to &quot;%1&quot;.
%2</source>
        <translation>Das Diagramm konnte nicht nach &quot;%1&quot; exportiert werden.
%2</translation>
    </message>
    <message>
        <source>Trajectory Chart - </source>
        <translation>Flugbahndiagramm - </translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Datei</translation>
    </message>
    <message>
        <source>&amp;Print...	Ctrl+P</source>
        <translation>&amp;Drucken...	Ctrl+P</translation>
    </message>
</context>
<context>
    <name>vorlan::TrajectoryChartView</name>
    <message>
        <source>&amp;Remove &quot;%1&quot; from Chart</source>
        <translation>&quot;%1&quot; aus dem Diagramm &amp;entfernen</translation>
    </message>
</context>
<context>
    <name>vorlan::TrajectoryWindow</name>
    <message>
        <source>&amp;Library...</source>
        <translation>&amp;Bibliothek...</translation>
    </message>
    <message>
        <source>&amp;Close	Ctrl+W</source>
        <translation>&amp;Schließen	Ctrl+W</translation>
    </message>
    <message>
        <source>Sight &amp;Picture...</source>
        <translation>Ziel&amp;bild...</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Datei</translation>
    </message>
    <message>
        <source>&amp;Save As ...</source>
        <translation>Speichern &amp;unter ...</translation>
    </message>
    <message>
        <source>&amp;Print...	Ctrl+P</source>
        <translation>&amp;Drucken...	Ctrl+P</translation>
    </message>
    <message>
        <source>Print Pre&amp;view</source>
        <translation>Druck&amp;vorschau</translation>
    </message>
    <message>
        <source>P&amp;rint Setup...</source>
        <translation>Seite ein&amp;richten...</translation>
    </message>
    <message>
        <source>Field C&amp;ard...</source>
        <translation>Schuss&amp;karte...</translation>
    </message>
    <message>
        <source>&amp;Hit Probability...</source>
        <translation>Treffer&amp;wahrscheinlichkeit...</translation>
    </message>
    <message>
        <source>&amp;Truing...</source>
        <translation>Ab&amp;gleich...</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Bearbeiten</translation>
    </message>
    <message>
        <source>&amp;Copy	Ctrl+C</source>
        <translation>&amp;Kopieren	Ctrl+C</translation>
    </message>
    <message>
        <source>Copy as &amp;Text	Ctrl+Shift+C</source>
        <translation>Als &amp;Text kopieren	Ctrl+Shift+C</translation>
    </message>
    <message>
        <source>Select &amp;All	Ctrl+A</source>
        <translation>&amp;Alles auswählen	Ctrl+A</translation>
    </message>
    <message>
        <source>The range table could not be saved to &quot;%1&quot;.
%2</source>
        <translation>Die Schusstafel konnte nicht in &quot;%1&quot; gespeichert werden.
%2</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Ansicht</translation>
    </message>
    <message>
        <source>Print Preview - </source>
        <translation>Druckvorschau - </translation>
    </message>
    <message>
        <source>Trajectory Table - %1</source>
        <translation>Schusstafel - %1</translation>
    </message>
    <message>
        <source>Print in the Chosen Lan&amp;guage</source>
        <translation>In gewählter Sprac&amp;he drucken</translation>
    </message>
    <message>
        <source>E&amp;xport CSV...</source>
        <translation>&amp;CSV exportieren...</translation>
    </message>
</context>
</TS>
