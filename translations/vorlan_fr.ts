<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr" sourcelanguage="en">
<context>
    <name>Chart</name>
    <message>
        <source>Range (%1)</source>
        <translation>Distance (%1)</translation>
    </message>
    <message>
        <source>Drop and windage (%1)</source>
        <translation>Chute et dérive (%1)</translation>
    </message>
    <message>
        <source>Velocity (%1)</source>
        <translation>Vitesse (%1)</translation>
    </message>
    <message>
        <source>the file name must end in .png or .svg</source>
        <translation>le nom du fichier doit se terminer par .png ou .svg</translation>
    </message>
    <message>
        <source>the picture could not be drawn</source>
        <translation>l&apos;image n&apos;a pas pu être dessinée</translation>
    </message>
    <message>
        <source>drop - - windage ··· ft/s</source>
        <extracomment>The legend key&apos;s words and marks, measured for the legend&apos;s width: translate as the key.</extracomment>
        <translation>chute - - dérive ··· ft/s</translation>
    </message>
    <message>
        <source>— drop  - - windage  ··· %1</source>
        <translation>— chute  - - dérive  ··· %1</translation>
    </message>
    <message>
        <source>  ○ observed</source>
        <translation>  ○ observé</translation>
    </message>
    <message>
        <source>Ethical %1 %2 (P(hit) %3 %)</source>
        <translation>Éthique %1 %2 (P(touche) %3&#xa0;%)</translation>
    </message>
    <message>
        <source>P(hit), 0 to 100 %</source>
        <translation>P(touche), 0 à 100&#xa0;%</translation>
    </message>
    <message>
        <source>P(hit)</source>
        <translation>P(touche)</translation>
    </message>
    <message>
        <source>Line of sight</source>
        <translation>Ligne de visée</translation>
    </message>
    <message>
        <source>Sight-in %1 %2</source>
        <translation>Zéro %1 %2</translation>
    </message>
    <message>
        <source>Target %1 %2</source>
        <translation>Cible %1 %2</translation>
    </message>
    <message>
        <source>Mach %1 at %2 %3</source>
        <translation>Mach %1 à %2 %3</translation>
    </message>
    <message>
        <source>Max. ordinate %1 %2 at %3 %4</source>
        <translation>Flèche %1 %2 à %3 %4</translation>
    </message>
</context>
<context>
    <name>ChartDialogs</name>
    <message>
        <source>Export Chart</source>
        <translation>Exporter le graphique</translation>
    </message>
    <message>
        <source>PNG Pictures (*.png)</source>
        <translation>Images PNG (*.png)</translation>
    </message>
    <message>
        <source>SVG Drawings (*.svg)</source>
        <translation>Dessins SVG (*.svg)</translation>
    </message>
    <message>
        <source>Add to Chart</source>
        <translation>Ajouter au graphique</translation>
    </message>
</context>
<context>
    <name>DataExchange</name>
    <message>
        <source>Please enter a number.</source>
        <translation>Veuillez saisir un nombre.</translation>
    </message>
    <message>
        <source>Please enter an integer.</source>
        <translation>Veuillez saisir un nombre entier.</translation>
    </message>
    <message>
        <source>Please enter a number between %1 and %2.</source>
        <translation>Veuillez saisir un nombre compris entre %1 et %2.</translation>
    </message>
    <message>
        <source>Please enter no more than %1 characters.</source>
        <translation>Veuillez ne pas saisir plus de %1 caractères.</translation>
    </message>
</context>
<context>
    <name>HelpTexts</name>
    <message>
        <source>The main window: describe one shot, then run a command with the buttons below.</source>
        <translation>La fenêtre principale&#xa0;: décrivez un tir, puis lancez une commande avec les boutons ci-dessous.</translation>
    </message>
    <message>
        <source>Derives a ballistic coefficient from two chronograph velocities.</source>
        <translation>Déduit un coefficient balistique de deux vitesses mesurées au chronographe.</translation>
    </message>
    <message>
        <source>The longest distance the shot can reach, its firing elevation and its highest point.</source>
        <translation>La plus grande distance que le tir peut atteindre, son angle de tir et son point culminant.</translation>
    </message>
    <message>
        <source>The optimum point-blank zero for a vital zone of the given diameter.</source>
        <translation>Le zéro optimal de but en blanc pour une zone vitale du diamètre donné.</translation>
    </message>
    <message>
        <source>The current shot compared with the baseline at the target range.</source>
        <translation>Le tir actuel comparé à la référence à la distance de la cible.</translation>
    </message>
    <message>
        <source>Energy, velocity, bullet weight, power factor and recoil energy.</source>
        <translation>Énergie, vitesse, poids de la balle, facteur de puissance et énergie de recul.</translation>
    </message>
    <message>
        <source>Effects beyond the standard flight: wind from any side, spin, the Earth&apos;s rotation, powder, drag.</source>
        <translation>Effets au-delà de la trajectoire standard&#xa0;: vent de toute direction, rotation de la balle, rotation de la Terre, poudre, traînée.</translation>
    </message>
    <message>
        <source>A field card of the shot: the elevation and wind holds at a few ranges, sized for a pocket, a page or a strip.</source>
        <translation>Une fiche de tir&#xa0;: les corrections d&apos;élévation et de vent à quelques distances, au format poche, page ou bande.</translation>
    </message>
    <message>
        <source>Rows every step yards (metres) from the first range to the last.</source>
        <translation>Une ligne tous les «&#xa0;pas&#xa0;» yards (mètres), de la première distance à la dernière.</translation>
    </message>
    <message>
        <source>Named targets at their ranges, one a line or comma-separated: &quot;Gong 1 = 327&quot;.</source>
        <translation>Cibles nommées à leurs distances, une par ligne ou séparées par des virgules&#xa0;: &quot;Gong 1 = 327&quot;.</translation>
    </message>
    <message>
        <source>The wind speeds of the wind columns, each a full-value wind from the right over the whole flight (in place of the shot&apos;s wind zones): mph, or m/s in metric.</source>
        <translation>Les vitesses de vent des colonnes de vent, chacune un vent plein travers venant de la droite sur toute la trajectoire (à la place des zones de vent du tir)&#xa0;: mph, ou m/s en métrique.</translation>
    </message>
    <message>
        <source>Up to three temperatures: the elevation at each, with the zero of the shot&apos;s own air (and the powder&apos;s sensitivity when one is set).</source>
        <translation>Jusqu&apos;à trois températures&#xa0;: l&apos;élévation à chacune, avec le zéro pris dans l&apos;air du tir (et la sensibilité de la poudre si elle est renseignée).</translation>
    </message>
    <message>
        <source>The card&apos;s size. The card takes the largest type that fits, turned landscape when that reads larger; a pocket card leaves its last columns out rather than go below 7 pt, and says which. A card that cannot hold its rows says so instead of cutting them.</source>
        <translation>Le format de la fiche. La fiche prend les plus grands caractères qui tiennent, en paysage si le texte y est plus grand&#xa0;; une fiche de poche omet ses dernières colonnes plutôt que de descendre sous 7 pt, et indique lesquelles. Une fiche qui ne peut pas contenir ses lignes le signale au lieu de les couper.</translation>
    </message>
    <message>
        <source>Several cards on one sheet, with cut marks.</source>
        <translation>Plusieurs fiches sur une feuille, avec traits de coupe.</translation>
    </message>
    <message>
        <source>Truing: fit the muzzle velocity and the drag to what you observed at real ranges, so that the table matches the rifle.</source>
        <translation>Calibrage&#xa0;: ajuster la vitesse initiale et la traînée à ce que vous avez observé à des distances réelles, pour que la table corresponde à l&apos;arme.</translation>
    </message>
    <message>
        <source>What is fitted besides the velocity: nothing, one drag factor over the whole flight, or a drag scale by Mach; by default one range fits the velocity alone, two to four one factor, five or more reaching below Mach 1.08 the scale by Mach.</source>
        <translation>Ce qui est ajusté en plus de la vitesse&#xa0;: rien, un facteur de traînée sur toute la trajectoire, ou un facteur de traînée par Mach&#xa0;; par défaut, une distance ajuste la vitesse seule, deux à quatre un facteur, cinq ou plus descendant sous Mach 1.08 le facteur par Mach.</translation>
    </message>
    <message>
        <source>Reads observations from a CSV file whose header names range_yd and any of up_moa, up_mil, up_clicks, drop_in, velocity_fps, time_s, sigma_moa and sigma_fps.</source>
        <translation>Lit les observations d&apos;un fichier CSV dont l&apos;en-tête nomme range_yd et une ou plusieurs des colonnes up_moa, up_mil, up_clicks, drop_in, velocity_fps, time_s, sigma_moa et sigma_fps.</translation>
    </message>
    <message>
        <source>Writes the observations to a CSV file of the same columns.</source>
        <translation>Écrit les observations dans un fichier CSV aux mêmes colonnes.</translation>
    </message>
    <message>
        <source>Fits the main window&apos;s shot to the observations: the fitted values with their standard errors, the residuals before and after, and the chart.</source>
        <translation>Ajuste le tir de la fenêtre principale aux observations&#xa0;: les valeurs ajustées avec leurs erreurs types, les résidus avant et après, et le graphique.</translation>
    </message>
    <message>
        <source>Writes the fitted velocity into the main window and the drag scale into the shot: every table and calculation then flies them.</source>
        <translation>Écrit la vitesse ajustée dans la fenêtre principale et le facteur de traînée dans le tir&#xa0;: toutes les tables et tous les calculs les utilisent ensuite.</translation>
    </message>
    <message>
        <source>Takes the truing out of the shot: the velocity and drag scale from before Apply, or without an Apply here the drag scale alone.</source>
        <translation>Retire le calibrage du tir&#xa0;: la vitesse et le facteur de traînée d&apos;avant Appliquer reviennent, ou, sans Appliquer ici, seul le facteur de traînée est retiré.</translation>
    </message>
    <message>
        <source>Each reading observed minus predicted, with the shot as it was and with the fitted values, in the reading&apos;s unit; the fit weighs each by its uncertainty (the ± column).</source>
        <translation>Chaque mesure, observée moins prédite, avec le tir tel qu&apos;il était et avec les valeurs ajustées, dans l&apos;unité de la mesure&#xa0;; l&apos;ajustement pondère chacune par son incertitude (la colonne ±).</translation>
    </message>
    <message>
        <source>The observed points (rings, with bars as long as their uncertainty) over the drop predicted before and after the fit.</source>
        <translation>Les points observés (cercles, avec des barres de la longueur de leur incertitude) sur la chute prédite avant et après l&apos;ajustement.</translation>
    </message>
    <message>
        <source>Closes the window and keeps the observations with the shot.</source>
        <translation>Ferme la fenêtre et garde les observations avec le tir.</translation>
    </message>
    <message>
        <source>Closes the window; the shot keeps the observations it had. What Apply wrote stays.</source>
        <translation>Ferme la fenêtre&#xa0;; le tir garde les observations qu&apos;il avait. Ce qu&apos;Appliquer a écrit reste.</translation>
    </message>
    <message>
        <source>Opens the Truing window: the velocity and drag fitted to the holds observed at real ranges.</source>
        <translation>Ouvre la fenêtre Calibrage&#xa0;: la vitesse et la traînée ajustées aux corrections observées à des distances réelles.</translation>
    </message>
    <message>
        <source>Closes the window and keeps its inputs in the shot; a field out of its bounds keeps it open.</source>
        <translation>Ferme la fenêtre et garde ses saisies dans le tir&#xa0;; un champ hors limites la garde ouverte.</translation>
    </message>
    <message>
        <source>Opens a Field Card window: the holds for chosen ranges, targets, winds and temperatures, to print or export.</source>
        <translation>Ouvre une fenêtre Fiche de tir&#xa0;: les corrections pour les distances, cibles, vents et températures choisis, à imprimer ou à exporter.</translation>
    </message>
    <message>
        <source>How likely the first shot hits the target at each range when the load, the range, the wind call, the rifle and shooter and the cant each spread the shot.</source>
        <translation>La probabilité que le premier coup touche la cible à chaque distance, quand la munition, la distance, l&apos;estimation du vent, l&apos;arme et le tireur, et le dévers dispersent chacun le tir.</translation>
    </message>
    <message>
        <source>The rifle and shooter&apos;s spread: a standard deviation per axis, or the mean size of groups of 2 to 10 shots, converted to one.</source>
        <translation>La dispersion de l&apos;arme et du tireur&#xa0;: un écart-type par axe, ou la taille moyenne de groupements de 2 à 10 coups, convertie en écart-type.</translation>
    </message>
    <message>
        <source>The target, aimed at its centre: a circle&apos;s diameter (the OPBZ vital zone unless set) or a rectangle.</source>
        <translation>La cible, visée en son centre&#xa0;: le diamètre d&apos;un cercle (la zone vitale de l&apos;OPBZ s&apos;il n&apos;est pas renseigné) ou un rectangle.</translation>
    </message>
    <message>
        <source>Closes the window and keeps its inputs with the shot, assumed spreads included.</source>
        <translation>Ferme la fenêtre et garde ses saisies avec le tir, dispersions supposées comprises.</translation>
    </message>
    <message>
        <source>Closes the window; inputs you typed are kept with the shot already, assumed spreads are not.</source>
        <translation>Ferme la fenêtre&#xa0;; les saisies que vous avez tapées sont déjà gardées avec le tir, les dispersions supposées ne le sont pas.</translation>
    </message>
    <message>
        <source>The farthest ethical range is the last range up to which P(hit) stays at or above this level.</source>
        <translation>La distance éthique maximale est la dernière distance jusqu&apos;à laquelle P(touche) reste égale ou supérieure à ce niveau.</translation>
    </message>
    <message>
        <source>Opens a Sight Picture window of the shot: where to hold, drawn on a reticle.</source>
        <translation>Ouvre une fenêtre Image de visée du tir&#xa0;: où viser, dessiné sur un réticule.</translation>
    </message>
    <message>
        <source>Opens a Sight Picture window of the shot in the card&apos;s units: where to hold, drawn on a reticle.</source>
        <translation>Ouvre une fenêtre Image de visée du tir dans les unités de la fiche&#xa0;: où viser, dessiné sur un réticule.</translation>
    </message>
    <message>
        <source>Draws the holds of the card&apos;s rows and winds on this reticle, beside the table of a pocket or half card.</source>
        <translation>Dessine les corrections des lignes et des vents de la fiche sur ce réticule, à côté de la table d&apos;une fiche de poche ou d&apos;une demi-fiche.</translation>
    </message>
    <message>
        <source>Where to hold, drawn on the reticle at the magnification in use: the shot&apos;s own point, a ladder of ranges and the wind dots.</source>
        <translation>Où viser, dessiné sur le réticule au grossissement utilisé&#xa0;: le point du tir lui-même, une échelle de distances et les points de vent.</translation>
    </message>
    <message>
        <source>The reticle the holds are drawn on: a built-in one, or one read from a reticle file.</source>
        <translation>Le réticule sur lequel les corrections sont dessinées&#xa0;: un réticule intégré, ou un réticule lu dans un fichier de réticule.</translation>
    </message>
    <message>
        <source>Reads a reticle of your own from a reticle file (.vrt) and picks it; a faulty file is refused with its line.</source>
        <translation>Lit votre propre réticule dans un fichier de réticule (.vrt) et le sélectionne&#xa0;; un fichier erroné est refusé en indiquant la ligne fautive.</translation>
    </message>
    <message>
        <source>The magnification in use, from 1 to 100. A second-plane reticle&apos;s marks span (true at) / (in use) times their angle.</source>
        <translation>Le grossissement utilisé, de 1 à 100. Les repères d&apos;un réticule au second plan focal couvrent (exact à) / (utilisé) fois leur angle.</translation>
    </message>
    <message>
        <source>Empty: the reticle as it is made. A magnification here makes it second focal plane, true at that magnification.</source>
        <translation>Vide&#xa0;: le réticule tel qu&apos;il est construit. Un grossissement ici le place au second plan focal, exact à ce grossissement.</translation>
    </message>
    <message>
        <source>How the holds share the work with the turret: dial the elevation and hold the wind, hold everything, or dial the zero of one range and hold the rest.</source>
        <translation>Comment le réticule partage le travail avec la tourelle&#xa0;: élévation à la tourelle et vent au réticule, tout au réticule, ou zéro d&apos;une distance à la tourelle et le reste au réticule.</translation>
    </message>
    <message>
        <source>The range whose elevation is dialled when the holds dial a zero: yards, or metres in metric.</source>
        <translation>La distance dont l&apos;élévation est affichée à la tourelle quand on affiche un zéro à la tourelle&#xa0;: yards, ou mètres en métrique.</translation>
    </message>
    <message>
        <source>A holdover ladder: a point at each range, labelled with it (yards, or metres in metric).</source>
        <translation>Une échelle de corrections d&apos;élévation&#xa0;: un point à chaque distance, marqué de celle-ci (yards, ou mètres en métrique).</translation>
    </message>
    <message>
        <source>Wind dots: a point at each range for each wind speed, full value from the right (mph, or m/s in metric).</source>
        <translation>Points de vent&#xa0;: un point à chaque distance pour chaque vitesse de vent, plein travers venant de la droite (mph, ou m/s en métrique).</translation>
    </message>
    <message>
        <source>The scope&apos;s circle: each point is where the target goes, labelled with its range; a hold beyond the reticle stands at its edge with an arrow.</source>
        <translation>Le champ de la lunette&#xa0;: chaque point indique où placer la cible, marqué de sa distance&#xa0;; une correction au-delà du réticule est placée à son bord avec une flèche.</translation>
    </message>
    <message>
        <source>Every hold as the shooter would say it, a hold beyond the reticle told as what to dial and what to hold.</source>
        <translation>Chaque correction telle que le tireur la dirait&#xa0;; une correction au-delà du réticule est dite en ce qu&apos;il faut afficher à la tourelle et viser au réticule.</translation>
    </message>
    <message>
        <source>Prints the picture on one square page.</source>
        <translation>Imprime l&apos;image sur une page carrée.</translation>
    </message>
    <message>
        <source>Shows the printed page before it is printed.</source>
        <translation>Montre la page avant son impression.</translation>
    </message>
    <message>
        <source>Writes the picture as a PDF, SVG or PNG file.</source>
        <translation>Enregistre l&apos;image dans un fichier PDF, SVG ou PNG.</translation>
    </message>
    <message>
        <source>Closes the window.</source>
        <translation>Ferme la fenêtre.</translation>
    </message>
    <message>
        <source>Opens a Hit Probability window: the chance of a first-shot hit at every range and the farthest ethical shot.</source>
        <translation>Ouvre une fenêtre Probabilité de touche&#xa0;: la chance de toucher au premier coup à chaque distance et le tir éthique le plus lointain.</translation>
    </message>
    <message>
        <source>Opens the Library: every rifle and load kept together, to open, save, duplicate, rename, move or delete.</source>
        <translation>Ouvre la Bibliothèque&#xa0;: toutes les armes et munitions rangées ensemble, pour les ouvrir, enregistrer, dupliquer, renommer, déplacer ou supprimer.</translation>
    </message>
    <message>
        <source>The library: the shot files of one folder, grouped by rifle. Open loads one into the main window.</source>
        <translation>La bibliothèque&#xa0;: les fichiers de tir d&apos;un dossier, groupés par arme. Ouvrir en charge un dans la fenêtre principale.</translation>
    </message>
    <message>
        <source>Shows only the loads with this text in any column, or of a rifle whose name holds it.</source>
        <translation>N&apos;affiche que les munitions ayant ce texte dans une colonne quelconque, ou d&apos;une arme dont le nom le contient.</translation>
    </message>
    <message>
        <source>Stores the main window&apos;s shot in the library under the rifle and name you give.</source>
        <translation>Range le tir de la fenêtre principale dans la bibliothèque sous l&apos;arme et le nom que vous indiquez.</translation>
    </message>
    <message>
        <source>Opens the Advanced window: wind from any direction, spin drift, Coriolis, powder temperature, drag.</source>
        <translation>Ouvre la fenêtre Avancé&#xa0;: vent de toute direction, dérive gyroscopique, Coriolis, température de la poudre, traînée.</translation>
    </message>
    <message>
        <source>G1: the standard flat-based projectile, the drag function of most published coefficients.</source>
        <translation>G1&#xa0;: le projectile standard à culot plat, la fonction de traînée de la plupart des coefficients publiés.</translation>
    </message>
    <message>
        <source>G7: long boat-tailed rifle bullets.</source>
        <translation>G7&#xa0;: balles de carabine longues à culot tronconique (boat-tail).</translation>
    </message>
    <message>
        <source>G2: the Aberdeen J projectile.</source>
        <translation>G2&#xa0;: le projectile J d&apos;Aberdeen.</translation>
    </message>
    <message>
        <source>G8: flat-based bullets with a long ogive.</source>
        <translation>G8&#xa0;: balles à culot plat et à ogive longue.</translation>
    </message>
    <message>
        <source>G6: flat-based spitzer bullets.</source>
        <translation>G6&#xa0;: balles spitzer à culot plat.</translation>
    </message>
    <message>
        <source>G5: short boat-tailed bullets.</source>
        <translation>G5&#xa0;: balles courtes à culot tronconique.</translation>
    </message>
    <message>
        <source>Sets the standard sea-level atmosphere (59 degrees Fahrenheit, 29.92 inches of mercury, dry air, altitude 0) and shows its density.</source>
        <translation>Règle l&apos;atmosphère standard au niveau de la mer (59 degrés Fahrenheit, 29.92 pouces de mercure, air sec, altitude 0) et affiche sa densité.</translation>
    </message>
    <message>
        <source>GL: lead ball.</source>
        <translation>GL&#xa0;: balle ronde en plomb.</translation>
    </message>
    <message>
        <source>Gi: the Ingalls projectile.</source>
        <translation>Gi&#xa0;: le projectile d&apos;Ingalls.</translation>
    </message>
    <message>
        <source>Computes the air density of the temperature, pressure, humidity and altitude entered.</source>
        <translation>Calcule la densité de l&apos;air d&apos;après la température, la pression, l&apos;humidité et l&apos;altitude saisies.</translation>
    </message>
    <message>
        <source>Sets the ICAO standard atmosphere at the altitude entered, with its pressure at that altitude (Station B.P. checked), and shows its density.</source>
        <translation>Règle l&apos;atmosphère standard OACI à l&apos;altitude saisie, avec sa pression à cette altitude (case P. station cochée), et affiche sa densité.</translation>
    </message>
    <message>
        <source>Flies the shot, zeroed at the sight-in range, and opens its range table in a window of its own.</source>
        <translation>Calcule la trajectoire du tir, avec le zéro à la distance de réglage, et ouvre sa table de tir dans une fenêtre à part.</translation>
    </message>
    <message>
        <source>Opens a window comparing the current shot with the baseline at the target range.</source>
        <translation>Ouvre une fenêtre comparant le tir actuel à la référence à la distance de la cible.</translation>
    </message>
    <message>
        <source>Remembers the current shot as the baseline for Shoot.</source>
        <translation>Mémorise le tir actuel comme référence pour Tirer.</translation>
    </message>
    <message>
        <source>Opens Compute BC: a ballistic coefficient from two chronograph readings.</source>
        <translation>Ouvre Calculer le CB&#xa0;: un coefficient balistique d&apos;après deux mesures au chronographe.</translation>
    </message>
    <message>
        <source>Opens Maximum Range: the longest distance and height the shot can reach.</source>
        <translation>Ouvre Portée maximale&#xa0;: la plus grande distance et la plus grande hauteur que le tir peut atteindre.</translation>
    </message>
    <message>
        <source>Opens OPBZ: the optimum point-blank zero for a vital zone.</source>
        <translation>Ouvre OPBZ&#xa0;: le zéro optimal de but en blanc pour une zone vitale.</translation>
    </message>
    <message>
        <source>Opens the energy, velocity, weight and recoil calculator.</source>
        <translation>Ouvre le calculateur d&apos;énergie, de vitesse, de poids et de recul.</translation>
    </message>
    <message>
        <source>GS: spherical ball.</source>
        <translation>GS&#xa0;: balle sphérique.</translation>
    </message>
    <message>
        <source>RA4: .22 rimfire bullets and airgun pellets.</source>
        <translation>RA4&#xa0;: balles de .22 à percussion annulaire et plombs d&apos;armes à air.</translation>
    </message>
    <message>
        <source>Click here, then on any field or button, to see what it does.</source>
        <translation>Cliquez ici, puis sur un champ ou un bouton, pour voir à quoi il sert.</translation>
    </message>
    <message>
        <source>Opens the Vorlan user&apos;s guide.</source>
        <translation>Ouvre le guide de l&apos;utilisateur de Vorlan.</translation>
    </message>
    <message>
        <source>Notes on what a command did (a baseline set) or why a file given to the program was not opened.</source>
        <translation>Remarques sur ce qu&apos;a fait une commande (une référence définie) ou sur la raison pour laquelle un fichier donné au programme n&apos;a pas été ouvert.</translation>
    </message>
    <message>
        <source>How much higher (positive) or lower (negative) the current shot strikes than the baseline, in inches.</source>
        <translation>De combien le tir actuel impacte plus haut (positif) ou plus bas (négatif) que la référence, en pouces.</translation>
    </message>
    <message>
        <source>How much further to the side the current shot strikes than the baseline, in inches.</source>
        <translation>De combien le tir actuel impacte plus loin sur le côté que la référence, en pouces.</translation>
    </message>
    <message>
        <source>The name of the shot that Set Baseline kept.</source>
        <translation>Le nom du tir que Définir la référence a gardé.</translation>
    </message>
    <message>
        <source>The name of the current shot.</source>
        <translation>Le nom du tir actuel.</translation>
    </message>
    <message>
        <source>Why the shots were compared short of the target range, or that no baseline was set.</source>
        <translation>Pourquoi les tirs ont été comparés en deçà de la distance de la cible, ou qu&apos;aucune référence n&apos;est définie.</translation>
    </message>
    <message>
        <source>The ballistic coefficient that gives the measured velocity loss, for the drag function shown.</source>
        <translation>Le coefficient balistique qui donne la perte de vitesse mesurée, pour la fonction de traînée affichée.</translation>
    </message>
    <message>
        <source>Puts the coefficient shown into the main window&apos;s Ballistic Coefficient field.</source>
        <translation>Reporte le coefficient affiché dans le champ Coefficient balistique de la fenêtre principale.</translation>
    </message>
    <message>
        <source>Computes the coefficient for the main window&apos;s atmosphere and drag function.</source>
        <translation>Calcule le coefficient pour l&apos;atmosphère et la fonction de traînée de la fenêtre principale.</translation>
    </message>
    <message>
        <source>The name of the shot.</source>
        <translation>Le nom du tir.</translation>
    </message>
    <message>
        <source>How far the bullet can fly over level ground, in yards.</source>
        <translation>Jusqu&apos;où la balle peut aller sur un terrain plat, en yards.</translation>
    </message>
    <message>
        <source>The elevation of the bore that gives the longest range, in degrees.</source>
        <translation>L&apos;angle du canon qui donne la plus grande portée, en degrés.</translation>
    </message>
    <message>
        <source>The highest point of the longest trajectory above the muzzle, in feet.</source>
        <translation>Le point culminant de la plus longue trajectoire au-dessus de la bouche, en pieds.</translation>
    </message>
    <message>
        <source>The bullet&apos;s speed at the end of the longest trajectory, in feet per second.</source>
        <translation>La vitesse de la balle à la fin de la plus longue trajectoire, en pieds par seconde.</translation>
    </message>
    <message>
        <source>The bullet&apos;s energy at the end of the longest trajectory, in foot-pounds.</source>
        <translation>L&apos;énergie de la balle à la fin de la plus longue trajectoire, en pieds-livres.</translation>
    </message>
    <message>
        <source>Time of flight of the longest trajectory, in seconds.</source>
        <translation>Temps de vol de la plus longue trajectoire, en secondes.</translation>
    </message>
    <message>
        <source>How high the bullet climbs when fired straight up, in feet.</source>
        <translation>La hauteur que la balle atteint tirée à la verticale, en pieds.</translation>
    </message>
    <message>
        <source>How long the straight-up climb takes, in seconds.</source>
        <translation>La durée de la montée à la verticale, en secondes.</translation>
    </message>
    <message>
        <source>The sight-in range in yards that keeps the bullet inside the zone the longest.</source>
        <translation>La distance de réglage, en yards, qui garde la balle le plus longtemps dans la zone.</translation>
    </message>
    <message>
        <source>The range in yards where the bullet first comes up into the zone.</source>
        <translation>La distance, en yards, où la balle entre dans la zone.</translation>
    </message>
    <message>
        <source>The range in yards where the bullet drops out of the zone.</source>
        <translation>La distance, en yards, où la balle sort de la zone par le bas.</translation>
    </message>
    <message>
        <source>Finds the optimum zero for the shot in the main window.</source>
        <translation>Trouve le zéro optimal pour le tir de la fenêtre principale.</translation>
    </message>
    <message>
        <source>Calculate the energy from the velocity and the weight.</source>
        <translation>Calculer l&apos;énergie à partir de la vitesse et du poids.</translation>
    </message>
    <message>
        <source>Calculate the velocity from the weight and the energy.</source>
        <translation>Calculer la vitesse à partir du poids et de l&apos;énergie.</translation>
    </message>
    <message>
        <source>Calculate the weight from the velocity and the energy.</source>
        <translation>Calculer le poids à partir de la vitesse et de l&apos;énergie.</translation>
    </message>
    <message>
        <source>Calculates the value the chosen mode derives, and the power factor.</source>
        <translation>Calcule la valeur que déduit le mode choisi, et le facteur de puissance.</translation>
    </message>
    <message>
        <source>Calculates the recoil energy of the gun from the bullet, the powder and the gun weight.</source>
        <translation>Calcule l&apos;énergie de recul de l&apos;arme à partir de la balle, de la poudre et du poids de l&apos;arme.</translation>
    </message>
    <message>
        <source>Keeps the colour shown; it is stored when Vorlan ends.</source>
        <translation>Garde la couleur affichée&#xa0;; elle est enregistrée à la fermeture de Vorlan.</translation>
    </message>
    <message>
        <source>Goes back to the colour kept last.</source>
        <translation>Revient à la dernière couleur gardée.</translation>
    </message>
    <message>
        <source>Red part of the colour of all Vorlan windows, 0 to 255.</source>
        <translation>Composante rouge de la couleur de toutes les fenêtres de Vorlan, de 0 à 255.</translation>
    </message>
    <message>
        <source>Green part of the colour of all Vorlan windows, 0 to 255.</source>
        <translation>Composante verte de la couleur de toutes les fenêtres de Vorlan, de 0 à 255.</translation>
    </message>
    <message>
        <source>Blue part of the colour of all Vorlan windows, 0 to 255.</source>
        <translation>Composante bleue de la couleur de toutes les fenêtres de Vorlan, de 0 à 255.</translation>
    </message>
    <message>
        <source>Enter the wind direction in degrees, 0 to 360, clockwise from the line of fire.</source>
        <translation>Saisissez la direction du vent en degrés, de 0 à 360, dans le sens horaire depuis la ligne de tir.</translation>
    </message>
    <message>
        <source>Enter the wind direction as a clock hour, 0 to 12: 12 from the target, 3 from the right.</source>
        <translation>Saisissez la direction du vent en heure d&apos;horloge, de 0 à 12&#xa0;: 12 venant de la cible, 3 venant de la droite.</translation>
    </message>
    <message>
        <source>Check for a barrel whose rifling turns to the left: the bullet drifts to the left.</source>
        <translation>Cochez pour un canon dont les rayures tournent à gauche&#xa0;: la balle dérive vers la gauche.</translation>
    </message>
    <message>
        <source>Gyroscopic stability factor by Miller&apos;s rule, for the main window&apos;s velocity and air.</source>
        <translation>Facteur de stabilité gyroscopique selon la règle de Miller, pour la vitesse et l&apos;air de la fenêtre principale.</translation>
    </message>
    <message>
        <source>Judged on the factor as shown: below 1.00 unstable, to 1.29 marginal, 1.30 to 1.50 fair, above 1.50 stable.</source>
        <translation>Jugé sur le facteur tel qu&apos;affiché&#xa0;: sous 1.00 instable, jusqu&apos;à 1.29 limite, de 1.30 à 1.50 correcte, au-dessus de 1.50 stable.</translation>
    </message>
    <message>
        <source>Check to let a crosswind at the muzzle throw the bullet up or down (Litz&apos;s fit; needs twist, length and diameter). The zero is taken without it.</source>
        <translation>Cochez pour qu&apos;un vent de travers à la bouche dévie la balle vers le haut ou le bas (saut aérodynamique, formule de Litz&#xa0;; il faut le pas de rayure, la longueur et le diamètre). Le zéro est pris sans cet effet.</translation>
    </message>
    <message>
        <source>The bullet diameter spin drift and stability use: the one entered, or the caliber&apos;s.</source>
        <translation>Le diamètre de balle qu&apos;utilisent la dérive gyroscopique et la stabilité&#xa0;: celui saisi, ou celui du calibre.</translation>
    </message>
    <message>
        <source>Check to zero the rifle in the conditions below, in still air on a level range, and fly today&apos;s conditions at that angle.</source>
        <translation>Cochez pour faire le zéro de l&apos;arme dans les conditions ci-dessous, sans vent et à plat, puis tirer dans les conditions du jour avec cet angle.</translation>
    </message>
    <message>
        <source>Check to let the Earth&apos;s rotation move the bullet (Coriolis and Eotvos effects).</source>
        <translation>Cochez pour que la rotation de la Terre déplace la balle (effets Coriolis et Eötvös).</translation>
    </message>
    <message>
        <source>The muzzle velocity in feet per second that the powder temperature gives.</source>
        <translation>La vitesse initiale, en pieds par seconde, que donne la température de la poudre.</translation>
    </message>
    <message>
        <source>Computes the sensitivity from the two velocities and their temperatures.</source>
        <translation>Calcule la sensibilité à partir des deux vitesses et de leurs températures.</translation>
    </message>
    <message>
        <source>Check to fly the loaded Mach and drag-coefficient table instead of the drag function chosen.</source>
        <translation>Cochez pour utiliser la table Mach / coefficient de traînée chargée au lieu de la fonction de traînée choisie.</translation>
    </message>
    <message>
        <source>Loads a drag table from a CSV file: Mach and Cd on each line, Mach increasing, a header allowed.</source>
        <translation>Charge une table de traînée depuis un fichier CSV&#xa0;: Mach et Cd sur chaque ligne, Mach croissant, en-tête admis.</translation>
    </message>
    <message>
        <source>The drag table held, or what is wrong with the file last loaded.</source>
        <translation>La table de traînée en mémoire, ou ce qui ne va pas dans le dernier fichier chargé.</translation>
    </message>
    <message>
        <source>The range of the observation in yards, 1 to 5000.</source>
        <translation>La distance de l&apos;observation en yards, de 1 à 5000.</translation>
    </message>
    <message>
        <source>The elevation dialled or held up to hit the centre, in true MOA (1/60 degree).</source>
        <translation>L&apos;élévation affichée à la tourelle ou visée au réticule pour toucher le centre, en MOA vrais (1/60 de degré).</translation>
    </message>
    <message>
        <source>The elevation dialled or held up to hit the centre, in mil.</source>
        <translation>L&apos;élévation affichée à la tourelle ou visée au réticule pour toucher le centre, en mil.</translation>
    </message>
    <message>
        <source>The elevation dialled up to hit the centre, in clicks of the shot&apos;s click value.</source>
        <translation>L&apos;élévation affichée à la tourelle pour toucher le centre, en clics de la valeur de clic du tir.</translation>
    </message>
    <message>
        <source>The drop in inches with the shot&apos;s own zero, negative below the line of sight.</source>
        <translation>La chute en pouces avec le zéro du tir, négative sous la ligne de visée.</translation>
    </message>
    <message>
        <source>A velocity in feet per second measured at the range (a Doppler radar, a second chronograph).</source>
        <translation>Une vitesse en pieds par seconde mesurée à la distance (radar Doppler, second chronographe).</translation>
    </message>
    <message>
        <source>The time of flight to the range in seconds.</source>
        <translation>Le temps de vol jusqu&apos;à la distance, en secondes.</translation>
    </message>
    <message>
        <source>How sure the row&apos;s holds and drop are, in MOA (0.1 when blank; half a click for clicks).</source>
        <translation>L&apos;incertitude sur les corrections et la chute de la ligne, en MOA (0.1 si vide&#xa0;; un demi-clic pour les clics).</translation>
    </message>
    <message>
        <source>How sure the row&apos;s velocity is, in feet per second (5 when blank).</source>
        <translation>L&apos;incertitude sur la vitesse de la ligne, en pieds par seconde (5 si vide).</translation>
    </message>
    <message>
        <source>No help topic is associated with this item.</source>
        <translation>Aucune rubrique d&apos;aide n&apos;est associée à cet élément.</translation>
    </message>
</context>
<context>
    <name>Language</name>
    <message>
        <source>System default</source>
        <translation>Langue du système</translation>
    </message>
    <message>
        <source>&amp;Language</source>
        <translation>&amp;Langue</translation>
    </message>
    <message>
        <source>Windows opened from now on use the chosen language. Windows already open keep theirs; the main window changes at the next start.</source>
        <translation>Les fenêtres ouvertes désormais utilisent la langue choisie. Les fenêtres déjà ouvertes gardent la leur&#xa0;; la fenêtre principale change au prochain démarrage.</translation>
    </message>
    <message>
        <source>Preferences Not Saved</source>
        <translation>Préférences non enregistrées</translation>
    </message>
    <message>
        <source>The theme could not be saved to &quot;%1&quot;.
%2</source>
        <translation>Le thème n&apos;a pas pu être enregistré dans «&#xa0;%1&#xa0;».
%2</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Langue</translation>
    </message>
    <message>
        <source>The language could not be saved to &quot;%1&quot;.
%2</source>
        <translation>La langue n&apos;a pas pu être enregistrée dans «&#xa0;%1&#xa0;».
%2</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>Zero Not Found</source>
        <translation>Zéro introuvable</translation>
    </message>
    <message>
        <source>Save As</source>
        <translation>Enregistrer sous</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Ouvrir</translation>
    </message>
</context>
<context>
    <name>QPrintPreviewDialog</name>
    <message>
        <source>Print Preview - %1</source>
        <translation>Aperçu avant impression - %1</translation>
    </message>
</context>
<context>
    <name>SideWindow</name>
    <message>
        <source>Wind Speed</source>
        <translation>Vitesse du vent</translation>
    </message>
    <message>
        <source>m.p.h.</source>
        <translation>m.p.h.</translation>
    </message>
    <message>
        <source>Wind speed in miles per hour, 0 to 200; above 0 it replaces the Crosswind of the main window.</source>
        <translation>Vitesse du vent en miles par heure, de 0 à 200&#xa0;; au-dessus de 0, elle remplace le Vent de travers de la fenêtre principale.</translation>
    </message>
    <message>
        <source>Wind From</source>
        <translation>Provenance du vent</translation>
    </message>
    <message>
        <source>Where the wind comes from: 0 to 360 degrees clockwise from the target (90 from the right), or 0 to 12 on the clock face (12 from the target, 3 from the right).</source>
        <translation>D&apos;où vient le vent&#xa0;: de 0 à 360 degrés dans le sens horaire depuis la cible (90 de la droite), ou de 0 à 12 sur le cadran d&apos;horloge (12 de la cible, 3 de la droite).</translation>
    </message>
    <message>
        <source>Twist Rate</source>
        <translation>Pas de rayure</translation>
    </message>
    <message>
        <source>in./turn</source>
        <translation>in./tour</translation>
    </message>
    <message>
        <source>Barrel twist in inches per turn, 0 to 100; 0 leaves spin drift out.</source>
        <translation>Pas de rayure du canon en pouces par tour, de 0 à 100&#xa0;; 0 ignore la dérive gyroscopique.</translation>
    </message>
    <message>
        <source>Bullet Length</source>
        <translation>Longueur de balle</translation>
    </message>
    <message>
        <source>in.</source>
        <translation>in.</translation>
    </message>
    <message>
        <source>Length of the bullet in inches, 0 to 10.</source>
        <translation>Longueur de la balle en pouces, de 0 à 10.</translation>
    </message>
    <message>
        <source>Bullet Diameter</source>
        <translation>Diamètre de balle</translation>
    </message>
    <message>
        <source>Diameter of the bullet in inches, 0 to 2; 0 takes the caliber&apos;s bullet diameter (6.5x is 0.264, 30-0 0.308).</source>
        <translation>Diamètre de la balle en pouces, de 0 à 2&#xa0;; 0 prend le diamètre de balle du calibre (0.264 pour 6.5x, 0.308 pour 30-0).</translation>
    </message>
    <message>
        <source>Latitude</source>
        <translation>Latitude</translation>
    </message>
    <message>
        <source>deg. N</source>
        <translation>deg. N</translation>
    </message>
    <message>
        <source>Latitude of the firing point in degrees, -90 to 90: north positive, south negative.</source>
        <translation>Latitude du poste de tir en degrés, de -90 à 90&#xa0;: nord positif, sud négatif.</translation>
    </message>
    <message>
        <source>Azimuth of Fire</source>
        <translation>Azimut de tir</translation>
    </message>
    <message>
        <source>deg.</source>
        <translation>deg.</translation>
    </message>
    <message>
        <source>Direction of fire in degrees clockwise from north, 0 to 360.</source>
        <translation>Direction du tir en degrés dans le sens horaire depuis le nord, de 0 à 360.</translation>
    </message>
    <message>
        <source>Sensitivity</source>
        <translation>Sensibilité</translation>
    </message>
    <message>
        <source>f.p.s./deg. F</source>
        <translation>f.p.s./deg. F</translation>
    </message>
    <message>
        <source>Change of muzzle velocity in feet per second per degree Fahrenheit of powder, -50 to 50; 0 is off.</source>
        <translation>Variation de la vitesse initiale en pieds par seconde par degré Fahrenheit de la poudre, de -50 à 50&#xa0;; 0 la désactive.</translation>
    </message>
    <message>
        <source>Powder Temp.</source>
        <translation>Temp. poudre</translation>
    </message>
    <message>
        <source>deg. F</source>
        <translation>deg. F</translation>
    </message>
    <message>
        <source>Temperature of the powder at the shot in degrees Fahrenheit, -150 to 150.</source>
        <translation>Température de la poudre au moment du tir en degrés Fahrenheit, de -150 à 150.</translation>
    </message>
    <message>
        <source>Reference Temp.</source>
        <translation>Temp. de référence</translation>
    </message>
    <message>
        <source>Powder temperature in degrees Fahrenheit, -150 to 150, at which the main window&apos;s velocity was measured.</source>
        <translation>Température de la poudre en degrés Fahrenheit, de -150 à 150, à laquelle la vitesse de la fenêtre principale a été mesurée.</translation>
    </message>
    <message>
        <source>Temperature</source>
        <translation>Température</translation>
    </message>
    <message>
        <source>Air temperature in degrees Fahrenheit, -150 to 150, on the day the rifle was zeroed.</source>
        <translation>Température de l&apos;air en degrés Fahrenheit, de -150 à 150, le jour du zéro de l&apos;arme.</translation>
    </message>
    <message>
        <source>Pressure</source>
        <translation>Pression</translation>
    </message>
    <message>
        <source>in. Hg</source>
        <translation>in. Hg</translation>
    </message>
    <message>
        <source>The barometer&apos;s reading where the rifle was zeroed, in inches of mercury, 10 to 35: the pressure at the site, not reduced to sea level.</source>
        <translation>La pression lue au baromètre là où le zéro de l&apos;arme a été fait, en pouces de mercure, de 10 à 35&#xa0;: la pression du lieu, non ramenée au niveau de la mer.</translation>
    </message>
    <message>
        <source>Humidity</source>
        <translation>Humidité</translation>
    </message>
    <message>
        <source>%</source>
        <translation>%</translation>
    </message>
    <message>
        <source>Relative humidity in percent, 0 to 100, on the day of the zero.</source>
        <translation>Humidité relative en pourcentage, de 0 à 100, le jour du zéro.</translation>
    </message>
    <message>
        <source>Temperature of the powder in degrees Fahrenheit, -150 to 150, when the rifle was zeroed.</source>
        <translation>Température de la poudre en degrés Fahrenheit, de -150 à 150, lors du zéro de l&apos;arme.</translation>
    </message>
    <message>
        <source>A chronograph velocity in feet per second, 1 to 5000, measured at the temperature beside it.</source>
        <translation>Une vitesse au chronographe en pieds par seconde, de 1 à 5000, mesurée à la température indiquée à côté.</translation>
    </message>
    <message>
        <source>Powder temperature in degrees Fahrenheit, -150 to 150, of the velocity beside it.</source>
        <translation>Température de la poudre en degrés Fahrenheit, de -150 à 150, de la vitesse indiquée à côté.</translation>
    </message>
    <message>
        <source>A second chronograph velocity in feet per second, 1 to 5000, at another powder temperature.</source>
        <translation>Une seconde vitesse au chronographe en pieds par seconde, de 1 à 5000, à une autre température de poudre.</translation>
    </message>
    <message>
        <source>Powder temperature in degrees Fahrenheit, -150 to 150, of the second velocity.</source>
        <translation>Température de la poudre en degrés Fahrenheit, de -150 à 150, de la seconde vitesse.</translation>
    </message>
    <message>
        <source>Velocity of a band in feet per second, 0 to 5000: the band&apos;s coefficient holds at and above it, up to the next faster band.</source>
        <translation>Vitesse d&apos;une tranche en pieds par seconde, de 0 à 5000&#xa0;: le coefficient de la tranche s&apos;applique à partir de cette vitesse, jusqu&apos;à la tranche plus rapide suivante.</translation>
    </message>
    <message>
        <source>Ballistic coefficient of the band, 0.0001 to 2, for the drag function.</source>
        <translation>Coefficient balistique de la tranche, de 0.0001 à 2, pour la fonction de traînée.</translation>
    </message>
    <message>
        <source>Range in yards, 1 to 100000, up to which this zone&apos;s wind blows (from the zone above); the last zone blows to the end.</source>
        <translation>Distance en yards, de 1 à 100000, jusqu&apos;à laquelle souffle le vent de cette zone (depuis la zone du dessus)&#xa0;; la dernière zone souffle jusqu&apos;au bout.</translation>
    </message>
    <message>
        <source>Wind speed of the zone in miles per hour, 0 to 200.</source>
        <translation>Vitesse du vent de la zone en miles par heure, de 0 à 200.</translation>
    </message>
    <message>
        <source>Where the zone&apos;s wind comes from: 0 to 360 degrees clockwise from the target (90 from the right).</source>
        <translation>D&apos;où vient le vent de la zone&#xa0;: de 0 à 360 degrés dans le sens horaire depuis la cible (90 de la droite).</translation>
    </message>
    <message>
        <source>Adjusted Velocity</source>
        <translation>Vitesse corrigée</translation>
    </message>
    <message>
        <source>f.p.s.</source>
        <translation>f.p.s.</translation>
    </message>
    <message>
        <source>Near Velocity</source>
        <translation>Vitesse proche</translation>
    </message>
    <message>
        <source>fps</source>
        <translation>fps</translation>
    </message>
    <message>
        <source>Velocity measured at the chronograph nearer the muzzle, in feet per second, 1 to 5000.</source>
        <translation>Vitesse mesurée au chronographe le plus proche de la bouche, en pieds par seconde, de 1 à 5000.</translation>
    </message>
    <message>
        <source>Far Velocity</source>
        <translation>Vitesse lointaine</translation>
    </message>
    <message>
        <source>Velocity measured at the chronograph farther down range, in feet per second, 0 to 5000; it must be lower than the near velocity.</source>
        <translation>Vitesse mesurée au chronographe le plus éloigné, en pieds par seconde, de 0 à 5000&#xa0;; elle doit être inférieure à la vitesse proche.</translation>
    </message>
    <message>
        <source>Distance</source>
        <translation>Distance</translation>
    </message>
    <message>
        <source>ft</source>
        <translation>ft</translation>
    </message>
    <message>
        <source>Distance between the two chronographs in feet, a whole number from 1 to 5000.</source>
        <translation>Distance entre les deux chronographes en pieds, un nombre entier de 1 à 5000.</translation>
    </message>
    <message>
        <source>Target Diameter</source>
        <translation>Diamètre de la cible</translation>
    </message>
    <message>
        <source>Diameter of the vital zone in inches, 0.01 to 100; the bullet may rise or fall half of it from the line of sight.</source>
        <translation>Diamètre de la zone vitale en pouces, de 0.01 à 100&#xa0;; la balle peut monter ou descendre de la moitié par rapport à la ligne de visée.</translation>
    </message>
    <message>
        <source>Optimum Point Blank Zero</source>
        <translation>Zéro optimal de but en blanc</translation>
    </message>
    <message>
        <source>Minumum Point Blank Range</source>
        <translation>Portée minimale de but en blanc</translation>
    </message>
    <message>
        <source>Maximum Point Blank Range</source>
        <translation>Portée maximale de but en blanc</translation>
    </message>
    <message>
        <source>Velocity</source>
        <translation>Vitesse</translation>
    </message>
    <message>
        <source>Bullet velocity in feet per second, 0 or more.</source>
        <translation>Vitesse de la balle en pieds par seconde, 0 ou plus.</translation>
    </message>
    <message>
        <source>Weight</source>
        <translation>Poids</translation>
    </message>
    <message>
        <source>grains</source>
        <translation>grains</translation>
    </message>
    <message>
        <source>Bullet weight in grains, 0 or more.</source>
        <translation>Poids de la balle en grains, 0 ou plus.</translation>
    </message>
    <message>
        <source>Energy</source>
        <translation>Énergie</translation>
    </message>
    <message>
        <source>ft.lbs.</source>
        <translation>ft.lbs.</translation>
    </message>
    <message>
        <source>Bullet energy in foot-pounds, 0 or more.</source>
        <translation>Énergie de la balle en pieds-livres, 0 ou plus.</translation>
    </message>
    <message>
        <source>Power Factor</source>
        <translation>Facteur de puissance</translation>
    </message>
    <message>
        <source>Power factor: weight in grains times velocity in feet per second, divided by 1000.</source>
        <translation>Facteur de puissance&#xa0;: poids en grains multiplié par la vitesse en pieds par seconde, divisé par 1000.</translation>
    </message>
    <message>
        <source>Gun Weight</source>
        <translation>Poids de l&apos;arme</translation>
    </message>
    <message>
        <source>ounces</source>
        <translation>onces</translation>
    </message>
    <message>
        <source>Weight of the gun in ounces, 1 to 1000 (16 ounces make a pound).</source>
        <translation>Poids de l&apos;arme en onces, de 1 à 1000 (16 onces font une livre).</translation>
    </message>
    <message>
        <source>Powder Weight</source>
        <translation>Poids de poudre</translation>
    </message>
    <message>
        <source>Weight of the powder charge in grains, 0 to 200.</source>
        <translation>Poids de la charge de poudre en grains, de 0 à 200.</translation>
    </message>
    <message>
        <source>Recoil Energy</source>
        <translation>Énergie de recul</translation>
    </message>
    <message>
        <source>Energy of the gun&apos;s recoil in foot-pounds.</source>
        <translation>Énergie du recul de l&apos;arme en pieds-livres.</translation>
    </message>
    <message>
        <source>Terminal Range</source>
        <translation>Distance finale</translation>
    </message>
    <message>
        <source>yards</source>
        <translation>yards</translation>
    </message>
    <message>
        <source>Firing Elevation  (deg.)</source>
        <translation>Angle de tir  (deg.)</translation>
    </message>
    <message>
        <source>Maximum Height</source>
        <translation>Hauteur maximale</translation>
    </message>
    <message>
        <source>feet</source>
        <translation>pieds</translation>
    </message>
    <message>
        <source>Terminal Velocity</source>
        <translation>Vitesse finale</translation>
    </message>
    <message>
        <source>ft/sec</source>
        <translation>ft/sec</translation>
    </message>
    <message>
        <source>Terminal Energy</source>
        <translation>Énergie finale</translation>
    </message>
    <message>
        <source>ft-lbs</source>
        <translation>ft-lbs</translation>
    </message>
    <message>
        <source>Time of Flight (sec.s)</source>
        <translation>Temps de vol (sec.s)</translation>
    </message>
    <message>
        <source>velocity</source>
        <translation>vitesse</translation>
    </message>
    <message>
        <source>BC</source>
        <translation>CB</translation>
    </message>
    <message>
        <source>range</source>
        <translation>distance</translation>
    </message>
    <message>
        <source>speed</source>
        <translation>vitesse</translation>
    </message>
    <message>
        <source>direction</source>
        <translation>direction</translation>
    </message>
    <message>
        <source>Chronograph Velocity</source>
        <translation>Vitesse au chronographe</translation>
    </message>
    <message>
        <source>BC Band Velocity</source>
        <translation>Vitesse de la tranche de CB</translation>
    </message>
    <message>
        <source>Wind Zone Range</source>
        <translation>Distance de la zone de vent</translation>
    </message>
    <message>
        <source>yd.</source>
        <translation>yd.</translation>
    </message>
    <message>
        <source>Wind Zone Speed</source>
        <translation>Vitesse du vent de la zone</translation>
    </message>
    <message>
        <source>BC Bands: from</source>
        <translation>Tranches de CB&#xa0;: à partir de</translation>
    </message>
    <message>
        <source>To</source>
        <translation>Jusqu&apos;à</translation>
    </message>
</context>
<context>
    <name>SightPicture</name>
    <message>
        <source>first focal plane</source>
        <translation>premier plan focal</translation>
    </message>
    <message>
        <source>%1x, true at %2x</source>
        <translation>%1x, exact à %2x</translation>
    </message>
    <message>
        <source>the shot&apos;s wind</source>
        <translation>le vent du tir</translation>
    </message>
    <message>
        <source>shot</source>
        <translation>tir</translation>
    </message>
</context>
<context>
    <name>TableDialogs</name>
    <message>
        <source>Save As</source>
        <translation>Enregistrer sous</translation>
    </message>
    <message>
        <source>Text Files (*.txt)</source>
        <translation>Fichiers texte (*.txt)</translation>
    </message>
    <message>
        <source>Export CSV</source>
        <translation>Exporter en CSV</translation>
    </message>
    <message>
        <source>CSV Files (*.csv)</source>
        <translation>Fichiers CSV (*.csv)</translation>
    </message>
    <message>
        <source>Export Field Card</source>
        <translation>Exporter la fiche de tir</translation>
    </message>
    <message>
        <source>Field Cards (*.pdf *.svg *.png)</source>
        <translation>Fiches de tir (*.pdf *.svg *.png)</translation>
    </message>
</context>
<context>
    <name>Theme</name>
    <message>
        <source>&amp;Theme</source>
        <translation>&amp;Thème</translation>
    </message>
    <message>
        <source>&amp;System</source>
        <translation>&amp;Système</translation>
    </message>
    <message>
        <source>&amp;Light</source>
        <translation>&amp;Clair</translation>
    </message>
    <message>
        <source>&amp;Dark</source>
        <translation>S&amp;ombre</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>vorlan needs a graphical display (X or Wayland: DISPLAY or WAYLAND_DISPLAY) and found none.
vorlan-cli computes the same tables and calculations without one.
</source>
        <translation>vorlan a besoin d&apos;un affichage graphique (X ou Wayland&#xa0;: DISPLAY ou WAYLAND_DISPLAY) et n&apos;en a trouvé aucun.
vorlan-cli calcule les mêmes tables et les mêmes calculs sans affichage.
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
        <translation>Usage&#xa0;: vorlan [OPTIONS-QT] [TIR.vxf]
Le calculateur de balistique extérieure Vorlan&#xa0;: un tir par fenêtre, sa table de tir, son graphique
et ses calculs annexes.

  TIR.vxf      un fichier de tir à ouvrir après la lecture des réglages
  OPTIONS-QT   les options standard des programmes Qt (-platform NOM, -style NOM, ...)
  --help       affiche cette aide et quitte
  --version    affiche la version et quitte

Le programme en ligne de commande vorlan-cli fait les mêmes calculs sans fenêtre.
</translation>
    </message>
</context>
<context>
    <name>vorlan::CAboutDlg</name>
    <message>
        <source>Exterior ballistics and range tables for small arms and airguns</source>
        <translation>Balistique extérieure et tables de tir pour armes légères et armes à air</translation>
    </message>
    <message>
        <source>Copyright (C) 2026 the Vorlan developers</source>
        <translation>Copyright (C) 2026 les développeurs de Vorlan</translation>
    </message>
    <message>
        <source>About Vorlan</source>
        <translation>À propos de Vorlan</translation>
    </message>
    <message>
        <source>Vorlan Version %1</source>
        <translation>Vorlan version %1</translation>
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
        <translation>Tranche de CB %1</translation>
    </message>
    <message>
        <source>BC</source>
        <translation>CB</translation>
    </message>
    <message>
        <source>%1 needs its %2: please enter a number, or clear the row.</source>
        <translation>%1&#xa0;: la valeur «&#xa0;%2&#xa0;» manque&#xa0;; saisissez un nombre, ou videz la ligne.</translation>
    </message>
    <message>
        <source>Wind zone %1</source>
        <translation>Zone de vent %1</translation>
    </message>
    <message>
        <source>Table of %1 points</source>
        <translation>Table de %1 points</translation>
    </message>
    <message>
        <source>No table loaded</source>
        <translation>Aucune table chargée</translation>
    </message>
    <message>
        <source>Load Drag Table</source>
        <translation>Charger une table de traînée</translation>
    </message>
    <message>
        <source>CSV Files (*.csv)</source>
        <translation>Fichiers CSV (*.csv)</translation>
    </message>
    <message>
        <source>All Files (*)</source>
        <translation>Tous les fichiers (*)</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1&#xa0;: %2</translation>
    </message>
    <message>
        <source>%1: table of %2 points</source>
        <translation>%1&#xa0;: table de %2 points</translation>
    </message>
    <message>
        <source>Please enter two different powder temperatures.</source>
        <translation>Veuillez saisir deux températures de poudre différentes.</translation>
    </message>
    <message>
        <source>The caliber names no diameter: enter Bullet Diameter.</source>
        <translation>Le calibre n&apos;indique aucun diamètre&#xa0;: renseignez le diamètre de la balle.</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Fermer</translation>
    </message>
    <message>
        <source>Advanced</source>
        <translation>Avancé</translation>
    </message>
    <message>
        <source>Diameter in use: %1 (%2)</source>
        <translation>Diamètre utilisé&#xa0;: %1 (%2)</translation>
    </message>
    <message>
        <source>in.</source>
        <translation>in.</translation>
    </message>
    <message>
        <source>Degrees</source>
        <translation>Degrés</translation>
    </message>
    <message>
        <source>Clock</source>
        <translation>Horloge</translation>
    </message>
    <message>
        <source>Wind</source>
        <translation>Vent</translation>
    </message>
    <message>
        <source>Left-Hand Twist</source>
        <translation>Pas à gauche</translation>
    </message>
    <message>
        <source>Aerodynamic Jump</source>
        <translation>Saut aérodynamique</translation>
    </message>
    <message>
        <source>Stability Factor (Sg)</source>
        <translation>Facteur de stabilité (Sg)</translation>
    </message>
    <message>
        <source>Spin</source>
        <translation>Rotation</translation>
    </message>
    <message>
        <source>Earth&apos;s Rotation (Coriolis)</source>
        <translation>Rotation de la Terre (Coriolis)</translation>
    </message>
    <message>
        <source>Coriolis</source>
        <translation>Coriolis</translation>
    </message>
    <message>
        <source>Compute</source>
        <translation>Calculer</translation>
    </message>
    <message>
        <source>From Two Chronograph Readings</source>
        <translation>D&apos;après deux mesures au chronographe</translation>
    </message>
    <message>
        <source>Powder</source>
        <translation>Poudre</translation>
    </message>
    <message>
        <source>Custom</source>
        <translation>Personnalisée</translation>
    </message>
    <message>
        <source>Load CSV...</source>
        <translation>Charger un CSV...</translation>
    </message>
    <message>
        <source>Drag</source>
        <translation>Traînée</translation>
    </message>
    <message>
        <source>From (deg.)</source>
        <translation>Provenance (deg.)</translation>
    </message>
    <message>
        <source>Wind Zones</source>
        <translation>Zones de vent</translation>
    </message>
    <message>
        <source>Zero in These Conditions</source>
        <translation>Zéro dans ces conditions</translation>
    </message>
    <message>
        <source>Zero Conditions</source>
        <translation>Conditions du zéro</translation>
    </message>
    <message>
        <source>Fit the velocity and the drag to the holds observed at real ranges.</source>
        <translation>Ajuster la vitesse et la traînée aux corrections observées à des distances réelles.</translation>
    </message>
    <message>
        <source>&amp;Truing...</source>
        <translation>&amp;Calibrage...</translation>
    </message>
    <message>
        <source>Truing</source>
        <translation>Calibrage</translation>
    </message>
    <message>
        <source>at</source>
        <translation>à</translation>
    </message>
</context>
<context>
    <name>vorlan::CColorDlg</name>
    <message>
        <source>Dialog Color</source>
        <translation>Couleur des fenêtres</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Enregistrer</translation>
    </message>
    <message>
        <source>Revert</source>
        <translation>Rétablir</translation>
    </message>
    <message>
        <source>Red</source>
        <translation>Rouge</translation>
    </message>
    <message>
        <source>Green</source>
        <translation>Vert</translation>
    </message>
    <message>
        <source>Blue</source>
        <translation>Bleu</translation>
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
        <translation>Saisie invalide</translation>
    </message>
</context>
<context>
    <name>vorlan::CComputeBC</name>
    <message>
        <source>The two velocities are equal: there is no loss to measure.</source>
        <translation>Les deux vitesses sont égales&#xa0;: il n&apos;y a aucune perte à mesurer.</translation>
    </message>
    <message>
        <source>The far velocity is above the near one: no coefficient slows a bullet that way.</source>
        <translation>La vitesse lointaine est supérieure à la vitesse proche&#xa0;: aucun coefficient ne ralentit une balle ainsi.</translation>
    </message>
    <message>
        <source>The loss is too small over this distance: the coefficient would be above 1.</source>
        <translation>La perte est trop faible sur cette distance&#xa0;: le coefficient serait supérieur à 1.</translation>
    </message>
    <message>
        <source>These readings give no usable coefficient.</source>
        <translation>Ces mesures ne donnent aucun coefficient utilisable.</translation>
    </message>
    <message>
        <source>Compute Ballistic Coefficient</source>
        <translation>Calculer le coefficient balistique</translation>
    </message>
    <message>
        <source>New BC</source>
        <translation>Nouveau CB</translation>
    </message>
    <message>
        <source>Set New BC</source>
        <translation>Appliquer le nouveau CB</translation>
    </message>
    <message>
        <source>Compute</source>
        <translation>Calculer</translation>
    </message>
    <message>
        <source>New BC  (%1)</source>
        <translation>Nouveau CB  (%1)</translation>
    </message>
</context>
<context>
    <name>vorlan::CComputeOPBZ</name>
    <message>
        <source>Compute Optimum Point Blank Zero (OPBZ)</source>
        <translation>Calculer le zéro optimal de but en blanc (OPBZ)</translation>
    </message>
    <message>
        <source>Compute</source>
        <translation>Calculer</translation>
    </message>
</context>
<context>
    <name>vorlan::CEVWCalculations</name>
    <message>
        <source>Energy from Velocity and Weight</source>
        <translation>Énergie d&apos;après vitesse et poids</translation>
    </message>
    <message>
        <source>Velocity from Weight and Energy</source>
        <translation>Vitesse d&apos;après poids et énergie</translation>
    </message>
    <message>
        <source>Weight from Velocity and Energy</source>
        <translation>Poids d&apos;après vitesse et énergie</translation>
    </message>
    <message>
        <source>Energy, Velocity and Weight Calculations</source>
        <translation>Calculs d&apos;énergie, de vitesse et de poids</translation>
    </message>
    <message>
        <source>Calculate</source>
        <translation>Calculer</translation>
    </message>
</context>
<context>
    <name>vorlan::CFieldCardDlg</name>
    <message>
        <source>Left out to keep the type at %1 pt or more: %2. Choose fewer columns or a larger card.</source>
        <translation>Omis pour garder des caractères d&apos;au moins %1 pt&#xa0;: %2. Choisissez moins de colonnes ou une fiche plus grande.</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Aucune</translation>
    </message>
    <message>
        <source>The holds of the card&apos;s rows and winds drawn on a reticle, beside the table (pocket and half cards)</source>
        <translation>Les corrections des lignes et des vents de la fiche dessinées sur un réticule, à côté de la table (fiches de poche et demi-fiches)</translation>
    </message>
    <message>
        <source>Sight picture</source>
        <translation>Image de visée</translation>
    </message>
    <message>
        <source>&amp;Sight Picture...</source>
        <translation>&amp;Image de visée...</translation>
    </message>
    <message>
        <source>Field Card - %1</source>
        <translation>Fiche de tir - %1</translation>
    </message>
    <message>
        <source>from:to:step</source>
        <translation>de:à:pas</translation>
    </message>
    <message>
        <source>Gong 1 = 327
Ridge = 612</source>
        <translation>Gong 1 = 327
Crête = 612</translation>
    </message>
    <message>
        <source>none</source>
        <translation>aucune</translation>
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
        <translation>Clics de %1</translation>
    </message>
    <message>
        <source>Imperial</source>
        <translation>Impérial</translation>
    </message>
    <message>
        <source>Metric</source>
        <translation>Métrique</translation>
    </message>
    <message>
        <source>Velocity</source>
        <translation>Vitesse</translation>
    </message>
    <message>
        <source>Time of flight</source>
        <translation>Temps de vol</translation>
    </message>
    <message>
        <source>Energy</source>
        <translation>Énergie</translation>
    </message>
    <message>
        <source>One card</source>
        <translation>Une fiche</translation>
    </message>
    <message>
        <source>Several on letter</source>
        <translation>Plusieurs sur Letter</translation>
    </message>
    <message>
        <source>Several on A4</source>
        <translation>Plusieurs sur A4</translation>
    </message>
    <message>
        <source>Ranges (from:to:step)</source>
        <translation>Distances (de:à:pas)</translation>
    </message>
    <message>
        <source>Targets (name = range)</source>
        <translation>Cibles (nom = distance)</translation>
    </message>
    <message>
        <source>Winds</source>
        <translation>Vents</translation>
    </message>
    <message>
        <source>Temperatures</source>
        <translation>Températures</translation>
    </message>
    <message>
        <source>Elevation and wind in</source>
        <translation>Élévation et vent en</translation>
    </message>
    <message>
        <source>Units</source>
        <translation>Unités</translation>
    </message>
    <message>
        <source>Also</source>
        <translation>En plus</translation>
    </message>
    <message>
        <source>Card</source>
        <translation>Fiche</translation>
    </message>
    <message>
        <source>Sheet</source>
        <translation>Feuille</translation>
    </message>
    <message>
        <source>&amp;Print...</source>
        <translation>Im&amp;primer...</translation>
    </message>
    <message>
        <source>Print Pre&amp;view</source>
        <translation>&amp;Aperçu avant impression</translation>
    </message>
    <message>
        <source>P&amp;rint Setup...</source>
        <translation>&amp;Mise en page...</translation>
    </message>
    <message>
        <source>&amp;Export...</source>
        <translation>E&amp;xporter...</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>Pocket</source>
        <translation>Poche</translation>
    </message>
    <message>
        <source>Half page</source>
        <translation>Demi-page</translation>
    </message>
    <message>
        <source>Full page</source>
        <translation>Pleine page</translation>
    </message>
    <message>
        <source>Strip</source>
        <translation>Bande</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <source>Up to three, deg. C</source>
        <translation>Jusqu&apos;à trois, deg. C</translation>
    </message>
    <message>
        <source>Up to three, deg. F</source>
        <translation>Jusqu&apos;à trois, deg. F</translation>
    </message>
    <message>
        <source>The field card could not be saved to &quot;%1&quot;.
%2</source>
        <translation>La fiche de tir n&apos;a pas pu être enregistrée dans «&#xa0;%1&#xa0;».
%2</translation>
    </message>
    <message>
        <source>%1, full value from the right</source>
        <translation>%1, plein travers venant de la droite</translation>
    </message>
</context>
<context>
    <name>vorlan::CHitProbabilityDlg</name>
    <message>
        <source>From C&amp;hronograph...</source>
        <translation>Depuis le c&amp;hronographe...</translation>
    </message>
    <message>
        <source>Muzzle &amp;velocity SD</source>
        <translation>Écart-type de la V&amp;0</translation>
    </message>
    <message>
        <source>&amp;BC SD</source>
        <translation>Écart-type du C&amp;B</translation>
    </message>
    <message>
        <source>&amp;Range estimate SD</source>
        <translation>Écart-type de l&apos;estimation de &amp;distance</translation>
    </message>
    <message>
        <source>&amp;Wind call SD</source>
        <translation>Écart-type de l&apos;estimation du ve&amp;nt</translation>
    </message>
    <message>
        <source>Wind &amp;direction SD</source>
        <translation>Écart-type de la di&amp;rection du vent</translation>
    </message>
    <message>
        <source>&amp;Precision</source>
        <translation>&amp;Précision</translation>
    </message>
    <message>
        <source>&amp;Cant SD</source>
        <translation>Écart-type du dé&amp;vers</translation>
    </message>
    <message>
        <source>&amp;Target</source>
        <translation>&amp;Cible</translation>
    </message>
    <message>
        <source>&amp;Ethical P(hit)</source>
        <translation>P(touche) éthi&amp;que</translation>
    </message>
    <message>
        <source>&amp;Samples</source>
        <translation>Échan&amp;tillons</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>Si&amp;ght Picture...</source>
        <translation>I&amp;mage de visée...</translation>
    </message>
    <message>
        <source>Groups of %1 shots measuring %2 MOA from centre to centre, on average, are a spread of %3 MOA per axis: the mean extreme spread of %1 shots is %4 standard deviations.</source>
        <translation>Des groupements de %1 coups mesurant en moyenne %2 MOA de centre à centre correspondent à une dispersion de %3 MOA par axe&#xa0;: l&apos;écart extrême moyen de %1 coups vaut %4 écarts-types.</translation>
    </message>
    <message>
        <source>The table has no range to count hits at.</source>
        <translation>La table n&apos;a aucune distance où compter les touches.</translation>
    </message>
    <message>
        <source>Counting...</source>
        <translation>Comptage...</translation>
    </message>
    <message>
        <source>%1 sampled</source>
        <translation>%1 échantillonné</translation>
    </message>
    <message>
        <source>Error budget, in %1 ms.</source>
        <translation>Bilan des erreurs, calculé en %1 ms.</translation>
    </message>
    <message>
        <source>Error budget, in %1 ms; %2 of %3 ranges sampled (%4 samples, seed %5), the impact being far from linear there.</source>
        <translation>Bilan des erreurs, calculé en %1 ms&#xa0;; %2 distances sur %3 échantillonnées (%4 échantillons, graine %5), l&apos;impact y étant loin d&apos;être linéaire.</translation>
    </message>
    <message>
        <source>No input alone makes a miss.</source>
        <translation>Aucune entrée ne cause à elle seule un coup manqué.</translation>
    </message>
    <message>
        <source> ± %1 %</source>
        <translation> ± %1&#xa0;%</translation>
    </message>
    <message>
        <source>%1: &quot;%2&quot; is not a number.</source>
        <translation>%1&#xa0;: «&#xa0;%2&#xa0;» n&apos;est pas un nombre.</translation>
    </message>
    <message>
        <source>Hit Probability - %1</source>
        <translation>Probabilité de touche - %1</translation>
    </message>
    <message>
        <source>No spread is set: assumed are the typical spreads of a practised rifleman (velocity %1 %2, coefficient 2 %, range 3 %, wind call %3 %4, precision 0.5 MOA). OK keeps them with the shot.</source>
        <translation>Aucune dispersion n&apos;est renseignée&#xa0;: on suppose les dispersions typiques d&apos;un tireur entraîné (vitesse %1 %2, coefficient 2&#xa0;%, distance 3&#xa0;%, estimation du vent %3 %4, précision 0.5 MOA). OK les garde avec le tir.</translation>
    </message>
    <message>
        <source>Ethical P(hit)</source>
        <translation>P(touche) éthique</translation>
    </message>
    <message>
        <source>Ethical P(hit): a percentage from 0 to 100.</source>
        <translation>P(touche) éthique&#xa0;: un pourcentage de 0 à 100.</translation>
    </message>
    <message>
        <source>Samples</source>
        <translation>Échantillons</translation>
    </message>
    <message>
        <source>Samples: a whole number from %1 to %2.</source>
        <translation>Échantillons&#xa0;: un nombre entier de %1 à %2.</translation>
    </message>
    <message>
        <source>Muzzle velocity SD</source>
        <translation>Écart-type de la V0</translation>
    </message>
    <message>
        <source>Range estimate SD</source>
        <translation>Écart-type de l&apos;estimation de distance</translation>
    </message>
    <message>
        <source>Wind call SD</source>
        <translation>Écart-type de l&apos;estimation du vent</translation>
    </message>
    <message>
        <source>BC SD</source>
        <translation>Écart-type du CB</translation>
    </message>
    <message>
        <source>Wind direction SD</source>
        <translation>Écart-type de la direction du vent</translation>
    </message>
    <message>
        <source>Cant SD</source>
        <translation>Écart-type du dévers</translation>
    </message>
    <message>
        <source>Precision</source>
        <translation>Précision</translation>
    </message>
    <message>
        <source>Shots in the group</source>
        <translation>Coups du groupement</translation>
    </message>
    <message>
        <source>Shots in the group: a group of 2 to 10 shots.</source>
        <translation>Coups du groupement&#xa0;: un groupement de 2 à 10 coups.</translation>
    </message>
    <message>
        <source>Target width</source>
        <translation>Largeur de la cible</translation>
    </message>
    <message>
        <source>Target height</source>
        <translation>Hauteur de la cible</translation>
    </message>
    <message>
        <source>Target: give its size in inches.</source>
        <translation>Cible&#xa0;: indiquez sa taille en pouces.</translation>
    </message>
    <message>
        <source>Target: give its size in %1.</source>
        <translation>Cible&#xa0;: indiquez sa taille en %1.</translation>
    </message>
    <message>
        <source>P(hit) at %1: %2 %</source>
        <translation>P(touche) à %1&#xa0;: %2&#xa0;%</translation>
    </message>
    <message>
        <source>P(hit) at %1: beyond the table</source>
        <translation>P(touche) à %1&#xa0;: au-delà de la table</translation>
    </message>
    <message>
        <source>Farthest ethical range: %1 (P(hit) stays at or above %2 % up to it).</source>
        <translation>Distance éthique maximale&#xa0;: %1 (P(touche) reste d&apos;au moins %2&#xa0;% jusque-là).</translation>
    </message>
    <message>
        <source>Farthest ethical range: none (P(hit) is below %1 % at %2 already).</source>
        <translation>Distance éthique maximale&#xa0;: aucune (P(touche) est déjà sous %1&#xa0;% à %2).</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <translation>%1 %2</translation>
    </message>
    <message>
        <source>Standard deviation of the muzzle velocity from shot to shot</source>
        <translation>Écart-type de la vitesse initiale d&apos;un coup à l&apos;autre</translation>
    </message>
    <message>
        <source>How well the ballistic coefficient is known, in percent of it</source>
        <translation>Précision avec laquelle le coefficient balistique est connu, en pourcentage de sa valeur</translation>
    </message>
    <message>
        <source>Standard deviation of the range estimate</source>
        <translation>Écart-type de l&apos;estimation de la distance</translation>
    </message>
    <message>
        <source>Standard deviation of the wind call&apos;s speed</source>
        <translation>Écart-type de la vitesse du vent estimée</translation>
    </message>
    <message>
        <source>Standard deviation of the wind call&apos;s direction</source>
        <translation>Écart-type de la direction du vent estimée</translation>
    </message>
    <message>
        <source>The rifle and shooter&apos;s spread of shots at the same aim</source>
        <translation>La dispersion des coups de l&apos;arme et du tireur pour une même visée</translation>
    </message>
    <message>
        <source>Shots in each group measured (2 to 10)</source>
        <translation>Coups de chaque groupement mesuré (2 à 10)</translation>
    </message>
    <message>
        <source>Standard deviation of the rifle&apos;s cant at the shot</source>
        <translation>Écart-type du dévers de l&apos;arme au départ du coup</translation>
    </message>
    <message>
        <source>The diameter of the circle (the OPBZ vital zone unless set), or the width</source>
        <translation>Le diamètre du cercle (la zone vitale de l&apos;OPBZ s&apos;il n&apos;est pas renseigné), ou la largeur</translation>
    </message>
    <message>
        <source>The height of the rectangle</source>
        <translation>La hauteur du rectangle</translation>
    </message>
    <message>
        <source>The P(hit) an ethical shot must reach</source>
        <translation>La P(touche) qu&apos;un tir éthique doit atteindre</translation>
    </message>
    <message>
        <source>Sampled shots where the error budget falls back to samples: more shrink the error as one over their square root</source>
        <translation>Coups échantillonnés là où le bilan des erreurs recourt à l&apos;échantillonnage&#xa0;: davantage de coups réduisent l&apos;erreur comme l&apos;inverse de leur racine carrée</translation>
    </message>
    <message>
        <source>% of range</source>
        <translation>% de la distance</translation>
    </message>
    <message>
        <source>MOA, SD per axis</source>
        <translation>MOA, écart-type par axe</translation>
    </message>
    <message>
        <source>MOA group of</source>
        <translation>MOA, groupement de</translation>
    </message>
    <message>
        <source>Circle</source>
        <translation>Cercle</translation>
    </message>
    <message>
        <source>Rectangle</source>
        <translation>Rectangle</translation>
    </message>
    <message>
        <source>shots</source>
        <translation>coups</translation>
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
        <translation>P(touche)&#xa0;%</translation>
    </message>
    <message>
        <source>± %</source>
        <translation>±&#xa0;%</translation>
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
        <translation>Distance (m)</translation>
    </message>
    <message>
        <source>Range (yd)</source>
        <translation>Distance (yd)</translation>
    </message>
</context>
<context>
    <name>vorlan::CLibraryDlg</name>
    <message>
        <source>Library</source>
        <translation>Bibliothèque</translation>
    </message>
    <message>
        <source>&amp;Folder...</source>
        <translation>&amp;Dossier...</translation>
    </message>
    <message>
        <source>Filter: any text shown</source>
        <translation>Filtre&#xa0;: tout texte affiché</translation>
    </message>
    <message>
        <source>Fil&amp;ter:</source>
        <translation>Fil&amp;tre&#xa0;:</translation>
    </message>
    <message>
        <source>&amp;Open</source>
        <translation>&amp;Ouvrir</translation>
    </message>
    <message>
        <source>&amp;Save Current Shot...</source>
        <translation>&amp;Enregistrer le tir actuel...</translation>
    </message>
    <message>
        <source>&amp;Duplicate</source>
        <translation>Dupli&amp;quer</translation>
    </message>
    <message>
        <source>&amp;Rename...</source>
        <translation>&amp;Renommer...</translation>
    </message>
    <message>
        <source>&amp;Move to Rifle...</source>
        <translation>Déplacer vers l&apos;&amp;arme...</translation>
    </message>
    <message>
        <source>De&amp;lete</source>
        <translation>&amp;Supprimer</translation>
    </message>
    <message>
        <source>&amp;Import...</source>
        <translation>&amp;Importer...</translation>
    </message>
    <message>
        <source>&amp;Export...</source>
        <translation>E&amp;xporter...</translation>
    </message>
    <message>
        <source>From C&amp;hronograph...</source>
        <translation>Depuis le c&amp;hronographe...</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Fermer</translation>
    </message>
    <message numerus="yes">
        <source>%n file(s) could not be read: %1</source>
        <translation>
            <numerusform>%n fichier n&apos;a pas pu être lu&#xa0;: %1</numerusform>
            <numerusform>%n fichiers n&apos;ont pas pu être lus&#xa0;: %1</numerusform>
        </translation>
    </message>
    <message>
        <source>A7P Profiles (*.a7p)</source>
        <translation>Profils A7P (*.a7p)</translation>
    </message>
    <message>
        <source>Opened &quot;%1&quot; in the main window.</source>
        <translation>«&#xa0;%1&#xa0;» ouvert dans la fenêtre principale.</translation>
    </message>
    <message>
        <source>Save Current Shot</source>
        <translation>Enregistrer le tir actuel</translation>
    </message>
    <message>
        <source>Not saved: %1</source>
        <translation>Non enregistré&#xa0;: %1</translation>
    </message>
    <message>
        <source>(no rifle)</source>
        <translation>(aucune arme)</translation>
    </message>
    <message>
        <source>&quot;%1&quot; of %2 is in the library already. Replace it with the shot on screen?</source>
        <translation>«&#xa0;%1&#xa0;» de %2 est déjà dans la bibliothèque. Le remplacer par le tir affiché&#xa0;?</translation>
    </message>
    <message>
        <source>Saved &quot;%1&quot;.</source>
        <translation>«&#xa0;%1&#xa0;» enregistré.</translation>
    </message>
    <message>
        <source>Duplicated as &quot;%1&quot;.</source>
        <translation>Dupliqué sous «&#xa0;%1&#xa0;».</translation>
    </message>
    <message>
        <source>Rename</source>
        <translation>Renommer</translation>
    </message>
    <message>
        <source>Not renamed: a load needs a name.</source>
        <translation>Non renommé&#xa0;: une munition doit avoir un nom.</translation>
    </message>
    <message>
        <source>Not renamed: %1</source>
        <translation>Non renommé&#xa0;: %1</translation>
    </message>
    <message>
        <source>Renamed to &quot;%1&quot;.</source>
        <translation>Renommé en «&#xa0;%1&#xa0;».</translation>
    </message>
    <message>
        <source>Move to Rifle</source>
        <translation>Déplacer vers l&apos;arme</translation>
    </message>
    <message>
        <source>Not moved: %1</source>
        <translation>Non déplacé&#xa0;: %1</translation>
    </message>
    <message>
        <source>Moved to (no rifle).</source>
        <translation>Déplacé vers (aucune arme).</translation>
    </message>
    <message>
        <source>Moved to %1.</source>
        <translation>Déplacé vers %1.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; moved to the trash.</source>
        <translation>«&#xa0;%1&#xa0;» mis à la corbeille.</translation>
    </message>
    <message>
        <source>Import</source>
        <translation>Importer</translation>
    </message>
    <message>
        <source>Shot Files and Profiles (*.vxf *.a7p)</source>
        <translation>Fichiers de tir et profils (*.vxf *.a7p)</translation>
    </message>
    <message>
        <source>Imported &quot;%1&quot; as &quot;%2&quot;.</source>
        <translation>«&#xa0;%1&#xa0;» importé sous «&#xa0;%2&#xa0;».</translation>
    </message>
    <message>
        <source>These fields of the profile have no place in a shot; the load keeps them for its export:
%1</source>
        <translation>Ces champs du profil n&apos;ont pas de place dans un tir&#xa0;; la munition les garde pour son export&#xa0;:
%1</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>Exporter</translation>
    </message>
    <message>
        <source>Exported to &quot;%1&quot;.</source>
        <translation>Exporté vers «&#xa0;%1&#xa0;».</translation>
    </message>
    <message>
        <source>&quot;%1&quot; takes a muzzle velocity of %2 ft/s and an MV SD of %3 ft/s.</source>
        <translation>«&#xa0;%1&#xa0;» prend une vitesse initiale de %2 ft/s et un écart-type de V0 de %3 ft/s.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; takes an MV SD of %2 ft/s.</source>
        <translation>«&#xa0;%1&#xa0;» prend un écart-type de V0 de %2 ft/s.</translation>
    </message>
    <message>
        <source>Library Folder</source>
        <translation>Dossier de la bibliothèque</translation>
    </message>
    <message>
        <source>The folder could not be remembered in &quot;%1&quot;: %2</source>
        <translation>Le dossier n&apos;a pas pu être mémorisé dans «&#xa0;%1&#xa0;»&#xa0;: %2</translation>
    </message>
    <message>
        <source>VXF Files (*.vxf)</source>
        <translation>Fichiers VXF (*.vxf)</translation>
    </message>
</context>
<context>
    <name>vorlan::CMaximumRangeDlg</name>
    <message>
        <source>Compute Maximum Range</source>
        <translation>Calculer la portée maximale</translation>
    </message>
    <message>
        <source>(G1 Drag)</source>
        <translation>(traînée G1)</translation>
    </message>
    <message>
        <source>Maximum Distance</source>
        <translation>Distance maximale</translation>
    </message>
    <message>
        <source>Maximum Height</source>
        <translation>Hauteur maximale</translation>
    </message>
    <message>
        <source>(%1 Drag Function)</source>
        <translation>(fonction de traînée %1)</translation>
    </message>
</context>
<context>
    <name>vorlan::CShoot</name>
    <message>
        <source>Shot Comparison Results</source>
        <translation>Résultats de la comparaison des tirs</translation>
    </message>
    <message>
        <source>&amp;Chart</source>
        <translation>&amp;Graphique</translation>
    </message>
    <message>
        <source>Relative Drop (in.)</source>
        <translation>Chute relative (in.)</translation>
    </message>
    <message>
        <source>Relative Drop (%1)</source>
        <translation>Chute relative (%1)</translation>
    </message>
    <message>
        <source>Relative Drift (in.)</source>
        <translation>Dérive relative (in.)</translation>
    </message>
    <message>
        <source>Relative Drift (%1)</source>
        <translation>Dérive relative (%1)</translation>
    </message>
    <message>
        <source>Target Range (yards)</source>
        <translation>Distance de la cible (yards)</translation>
    </message>
    <message>
        <source>Target Range (%1)</source>
        <translation>Distance de la cible (%1)</translation>
    </message>
    <message>
        <source>Baseline Gun/Projectile/Shot Name</source>
        <translation>Nom arme/projectile/tir de référence</translation>
    </message>
    <message>
        <source>Current Gun/Projectile/Shot Name</source>
        <translation>Nom arme/projectile/tir actuel</translation>
    </message>
</context>
<context>
    <name>vorlan::CSightPictureDlg</name>
    <message>
        <source>Sight Picture - %1</source>
        <translation>Image de visée - %1</translation>
    </message>
    <message>
        <source>Reticle &amp;File...</source>
        <translation>&amp;Fichier de réticule...</translation>
    </message>
    <message>
        <source>as the reticle is made</source>
        <translation>selon le réticule</translation>
    </message>
    <message>
        <source>A magnification here makes the reticle second focal plane, true at it</source>
        <translation>Un grossissement ici place le réticule au second plan focal, exact à ce grossissement</translation>
    </message>
    <message>
        <source>Dial the elevation, hold the wind</source>
        <translation>Élévation à la tourelle, vent au réticule</translation>
    </message>
    <message>
        <source>Hold everything</source>
        <translation>Tout au réticule</translation>
    </message>
    <message>
        <source>Dial the zero at a range, hold the rest</source>
        <translation>Zéro d&apos;une distance à la tourelle, reste au réticule</translation>
    </message>
    <message>
        <source>e.g. 300, 400, 500</source>
        <translation>p. ex. 300, 400, 500</translation>
    </message>
    <message>
        <source>Full value from the right</source>
        <translation>Plein travers, venant de la droite</translation>
    </message>
    <message>
        <source>&amp;Reticle</source>
        <translation>&amp;Réticule</translation>
    </message>
    <message>
        <source>&amp;Magnification</source>
        <translation>&amp;Grossissement</translation>
    </message>
    <message>
        <source>Second plane, &amp;true at</source>
        <translation>Second plan, exac&amp;t à</translation>
    </message>
    <message>
        <source>&amp;Holds</source>
        <translation>&amp;Corrections</translation>
    </message>
    <message>
        <source>&amp;Zero dialled at (m)</source>
        <translation>&amp;Zéro affiché à (m)</translation>
    </message>
    <message>
        <source>&amp;Zero dialled at (yd)</source>
        <translation>&amp;Zéro affiché à (yd)</translation>
    </message>
    <message>
        <source>Ra&amp;nges (m)</source>
        <translation>&amp;Distances (m)</translation>
    </message>
    <message>
        <source>Ra&amp;nges (yd)</source>
        <translation>&amp;Distances (yd)</translation>
    </message>
    <message>
        <source>Open Reticle</source>
        <translation>Ouvrir un réticule</translation>
    </message>
    <message>
        <source>Reticle Files (*.vrt)</source>
        <translation>Fichiers de réticule (*.vrt)</translation>
    </message>
    <message>
        <source>All Files (*)</source>
        <translation>Tous les fichiers (*)</translation>
    </message>
    <message>
        <source>&amp;Print...</source>
        <translation>Im&amp;primer...</translation>
    </message>
    <message>
        <source>Print Pre&amp;view</source>
        <translation>&amp;Aperçu avant impression</translation>
    </message>
    <message>
        <source>&amp;Export...</source>
        <translation>E&amp;xporter...</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>The magnification is not a number.</source>
        <translation>Le grossissement n&apos;est pas un nombre.</translation>
    </message>
    <message>
        <source>The magnification the reticle is true at is not a number.</source>
        <translation>Le grossissement auquel le réticule est exact n&apos;est pas un nombre.</translation>
    </message>
    <message>
        <source>The range of the zero is not a number.</source>
        <translation>La distance du zéro n&apos;est pas un nombre.</translation>
    </message>
    <message>
        <source>Export Sight Picture</source>
        <translation>Exporter l&apos;image de visée</translation>
    </message>
    <message>
        <source>PDF Files (*.pdf)</source>
        <translation>Fichiers PDF (*.pdf)</translation>
    </message>
    <message>
        <source>SVG Files (*.svg)</source>
        <translation>Fichiers SVG (*.svg)</translation>
    </message>
    <message>
        <source>PNG Files (*.png)</source>
        <translation>Fichiers PNG (*.png)</translation>
    </message>
    <message>
        <source>The sight picture could not be saved to &quot;%1&quot;.
%2</source>
        <translation>L&apos;image de visée n&apos;a pas pu être enregistrée dans «&#xa0;%1&#xa0;».
%2</translation>
    </message>
    <message>
        <source>&amp;Winds (%1)</source>
        <translation>&amp;Vents (%1)</translation>
    </message>
    <message>
        <source>e.g. %1, %2 (%3)</source>
        <translation>p. ex. %1, %2 (%3)</translation>
    </message>
</context>
<context>
    <name>vorlan::CTruingDlg</name>
    <message>
        <source>Truing - %1</source>
        <translation>Calibrage - %1</translation>
    </message>
    <message>
        <source>Load Observations</source>
        <translation>Charger des observations</translation>
    </message>
    <message>
        <source>CSV Files (*.csv)</source>
        <translation>Fichiers CSV (*.csv)</translation>
    </message>
    <message>
        <source>All Files (*)</source>
        <translation>Tous les fichiers (*)</translation>
    </message>
    <message>
        <source>Observations Not Loaded</source>
        <translation>Observations non chargées</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1&#xa0;: %2</translation>
    </message>
    <message>
        <source>Observations not loaded from %1.</source>
        <translation>Observations non chargées depuis %1.</translation>
    </message>
    <message>
        <source>%1: %2 observations loaded. Press Fit.</source>
        <translation>%1&#xa0;: %2 observations chargées. Appuyez sur Ajuster.</translation>
    </message>
    <message>
        <source>Observations loaded from %1.</source>
        <translation>Observations chargées depuis %1.</translation>
    </message>
    <message>
        <source>There are no observations to save.</source>
        <translation>Il n&apos;y a aucune observation à enregistrer.</translation>
    </message>
    <message>
        <source>Save Observations</source>
        <translation>Enregistrer les observations</translation>
    </message>
    <message>
        <source>Observations saved to %1.</source>
        <translation>Observations enregistrées dans %1.</translation>
    </message>
    <message>
        <source>Observations not saved.</source>
        <translation>Observations non enregistrées.</translation>
    </message>
    <message>
        <source>Observations Not Saved</source>
        <translation>Observations non enregistrées</translation>
    </message>
    <message>
        <source>The observations could not be saved to &quot;%1&quot;.
%2</source>
        <translation>Les observations n&apos;ont pas pu être enregistrées dans «&#xa0;%1&#xa0;».
%2</translation>
    </message>
    <message>
        <source>There are no observations: enter a range and what you dialled, measured or timed there.</source>
        <translation>Il n&apos;y a aucune observation&#xa0;: saisissez une distance et ce que vous y avez affiché, mesuré ou chronométré.</translation>
    </message>
    <message>
        <source>Fitted: Apply writes the fitted values into the shot.</source>
        <translation>Ajusté&#xa0;: Appliquer écrit les valeurs ajustées dans le tir.</translation>
    </message>
    <message>
        <source>Not fitted: the reason is given above.</source>
        <translation>Non ajusté&#xa0;: la raison est donnée ci-dessus.</translation>
    </message>
    <message>
        <source>The shot has changed since the fit: press Fit again before Apply.</source>
        <translation>Le tir a changé depuis l&apos;ajustement&#xa0;: appuyez de nouveau sur Ajuster avant Appliquer.</translation>
    </message>
    <message>
        <source>Not applied: %1</source>
        <translation>Non appliqué&#xa0;: %1</translation>
    </message>
    <message>
        <source>, drag function %1 %2</source>
        <translation>, fonction de traînée %1 %2</translation>
    </message>
    <message>
        <source>No truing is in force.</source>
        <translation>Aucun calibrage n&apos;est en vigueur.</translation>
    </message>
    <message>
        <source>Truing</source>
        <translation>Calibrage</translation>
    </message>
    <message>
        <source>it holds %1 observations; the window takes %2</source>
        <translation>il contient %1 observations&#xa0;; la fenêtre en accepte %2</translation>
    </message>
    <message>
        <source>Applied: velocity %1%2, drag scale %3. Clear Truing takes it back.</source>
        <translation>Appliqué&#xa0;: vitesse %1%2, facteur de traînée %3. Effacer le calibrage revient en arrière.</translation>
    </message>
    <message>
        <source>Truing taken back: velocity %1 and the drag scale as they were before Apply.</source>
        <translation>Calibrage annulé&#xa0;: vitesse %1 et facteur de traînée tels qu&apos;avant Appliquer.</translation>
    </message>
    <message>
        <source>Truing cleared: the velocity is back to %1, as entered before truing.</source>
        <translation>Calibrage effacé&#xa0;: la vitesse revient à %1, telle que saisie avant le calibrage.</translation>
    </message>
    <message>
        <source>Drag scale cleared; the velocity stays %1</source>
        <translation>Facteur de traînée effacé&#xa0;; la vitesse reste %1</translation>
    </message>
    <message>
        <source>Range
yd.</source>
        <translation>Distance
yd.</translation>
    </message>
    <message>
        <source>Up
MOA</source>
        <translation>Élév.
MOA</translation>
    </message>
    <message>
        <source>Up
mil</source>
        <translation>Élév.
mil</translation>
    </message>
    <message>
        <source>Up
clicks</source>
        <translation>Élév.
clics</translation>
    </message>
    <message>
        <source>Drop
in.</source>
        <translation>Chute
in.</translation>
    </message>
    <message>
        <source>Velocity
f.p.s.</source>
        <translation>Vitesse
f.p.s.</translation>
    </message>
    <message>
        <source>Time
s</source>
        <translation>Temps
s</translation>
    </message>
    <message>
        <source>± Hold
MOA</source>
        <translation>± Corr.
MOA</translation>
    </message>
    <message>
        <source>± Vel.
f.p.s.</source>
        <translation>± Vit.
f.p.s.</translation>
    </message>
    <message>
        <source>&amp;Load CSV...</source>
        <translation>&amp;Charger un CSV...</translation>
    </message>
    <message>
        <source>&amp;Save CSV...</source>
        <translation>En&amp;registrer le CSV...</translation>
    </message>
    <message>
        <source>Observations</source>
        <translation>Observations</translation>
    </message>
    <message>
        <source>Chosen by the number of ranges</source>
        <translation>Selon le nombre de distances</translation>
    </message>
    <message>
        <source>Velocity only</source>
        <translation>Vitesse seule</translation>
    </message>
    <message>
        <source>Velocity and one drag factor</source>
        <translation>Vitesse et un facteur de traînée</translation>
    </message>
    <message>
        <source>Velocity and drag scale by Mach</source>
        <translation>Vitesse et facteur de traînée par Mach</translation>
    </message>
    <message>
        <source>&amp;Fit</source>
        <translation>A&amp;juster</translation>
    </message>
    <message>
        <source>Fit:</source>
        <translation>Ajuster&#xa0;:</translation>
    </message>
    <message>
        <source>Enter what you observed at real ranges, then press Fit.</source>
        <translation>Saisissez ce que vous avez observé à des distances réelles, puis appuyez sur Ajuster.</translation>
    </message>
    <message>
        <source>Fit</source>
        <translation>Ajustement</translation>
    </message>
    <message>
        <source>Observed points over the predicted drop, before and after the fit:</source>
        <translation>Points observés sur la chute prédite, avant et après l&apos;ajustement&#xa0;:</translation>
    </message>
    <message>
        <source>Residuals, observed minus predicted:</source>
        <translation>Résidus, observés moins prédits&#xa0;:</translation>
    </message>
    <message>
        <source>&amp;Apply</source>
        <translation>&amp;Appliquer</translation>
    </message>
    <message>
        <source>&amp;Clear Truing</source>
        <translation>&amp;Effacer le calibrage</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Range (yd.)</source>
        <translation>Distance (yd.)</translation>
    </message>
    <message>
        <source>Range (%1)</source>
        <translation>Distance (%1)</translation>
    </message>
    <message>
        <source>Reading</source>
        <translation>Mesure</translation>
    </message>
    <message>
        <source>Observed</source>
        <translation>Observé</translation>
    </message>
    <message>
        <source>Before</source>
        <translation>Avant</translation>
    </message>
    <message>
        <source>After</source>
        <translation>Après</translation>
    </message>
    <message>
        <source>Up (MOA)</source>
        <translation>Élév. (MOA)</translation>
    </message>
    <message>
        <source>Up (mil)</source>
        <translation>Élév. (mil)</translation>
    </message>
    <message>
        <source>Up (clicks)</source>
        <translation>Élév. (clics)</translation>
    </message>
    <message>
        <source>Drop (in.)</source>
        <translation>Chute (in.)</translation>
    </message>
    <message>
        <source>Velocity (f.p.s.)</source>
        <translation>Vitesse (f.p.s.)</translation>
    </message>
    <message>
        <source>Time (s)</source>
        <translation>Temps (s)</translation>
    </message>
    <message>
        <source>± Hold (MOA)</source>
        <translation>± Corr. (MOA)</translation>
    </message>
    <message>
        <source>± Vel. (f.p.s.)</source>
        <translation>± Vit. (f.p.s.)</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <source>Drag scale: not fitted.</source>
        <translation>Facteur de traînée&#xa0;: non ajusté.</translation>
    </message>
    <message>
        <source>Drag scale: %1 ± %2 over the whole flight.</source>
        <translation>Facteur de traînée&#xa0;: %1 ± %2 sur toute la trajectoire.</translation>
    </message>
    <message>
        <source>%1 ± %2 at Mach %3</source>
        <translation>%1 ± %2 à Mach %3</translation>
    </message>
    <message>
        <source>Drag scale: %1.</source>
        <translation>Facteur de traînée&#xa0;: %1.</translation>
    </message>
    <message>
        <source>As entered: %1</source>
        <translation>Tel que saisi&#xa0;: %1</translation>
    </message>
    <message>
        <source>Trued: %1, drag scale %2</source>
        <translation>Calibré&#xa0;: %1, facteur de traînée %2</translation>
    </message>
    <message>
        <source>Velocity: %1 ± %2</source>
        <translation>Vitesse&#xa0;: %1 ± %2</translation>
    </message>
    <message>
        <source>Residuals in uncertainties (r.m.s.): %1 before, %2 after.</source>
        <translation>Résidus en incertitudes (moyenne quadratique)&#xa0;: %1 avant, %2 après.</translation>
    </message>
    <message>
        <source>Drag function: %1 %2, as its fit leaves the smaller weighted residual.</source>
        <translation>Fonction de traînée&#xa0;: %1 %2, car son ajustement laisse le plus petit résidu pondéré.</translation>
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
        <translation>Unités</translation>
    </message>
    <message>
        <source>Preset</source>
        <translation>Préréglage</translation>
    </message>
    <message>
        <source>&amp;Imperial</source>
        <translation>&amp;Impérial</translation>
    </message>
    <message>
        <source>&amp;Metric</source>
        <translation>&amp;Métrique</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Preferences Not Saved</source>
        <translation>Préférences non enregistrées</translation>
    </message>
    <message>
        <source>The units could not be saved to &quot;%1&quot;.
%2</source>
        <translation>Les unités n&apos;ont pas pu être enregistrées dans «&#xa0;%1&#xa0;».
%2</translation>
    </message>
    <message>
        <source>Distance</source>
        <translation>Distance</translation>
    </message>
    <message>
        <source>Velocity</source>
        <translation>Vitesse</translation>
    </message>
    <message>
        <source>Bullet weight</source>
        <translation>Poids de la balle</translation>
    </message>
    <message>
        <source>Sight height and lengths</source>
        <translation>Hauteur de lunette et longueurs</translation>
    </message>
    <message>
        <source>Drop and windage</source>
        <translation>Chute et dérive</translation>
    </message>
    <message>
        <source>Temperature</source>
        <translation>Température</translation>
    </message>
    <message>
        <source>Pressure</source>
        <translation>Pression</translation>
    </message>
    <message>
        <source>Altitude</source>
        <translation>Altitude</translation>
    </message>
    <message>
        <source>Wind and target speed</source>
        <translation>Vitesse du vent et de la cible</translation>
    </message>
    <message>
        <source>Energy</source>
        <translation>Énergie</translation>
    </message>
    <message>
        <source>Gun weight</source>
        <translation>Poids de l&apos;arme</translation>
    </message>
</context>
<context>
    <name>vorlan::CVorlan2Dlg</name>
    <message>
        <source>Projectile and Sight</source>
        <translation>Projectile et visée</translation>
    </message>
    <message>
        <source>Wind and Target</source>
        <translation>Vent et cible</translation>
    </message>
    <message>
        <source>Atmosphere</source>
        <translation>Atmosphère</translation>
    </message>
    <message>
        <source>Air Density</source>
        <translation>Densité de l&apos;air</translation>
    </message>
    <message>
        <source>What&apos;s this?</source>
        <translation>Qu&apos;est-ce que c&apos;est&#xa0;?</translation>
    </message>
    <message>
        <source>Open Load</source>
        <translation>Ouvrir une munition</translation>
    </message>
    <message>
        <source>The shot on screen has changes that are not saved. Open &quot;%1&quot; in its place?</source>
        <translation>Le tir affiché a des modifications non enregistrées. Ouvrir «&#xa0;%1&#xa0;» à sa place&#xa0;?</translation>
    </message>
    <message>
        <source>Baseline set: %1</source>
        <translation>Référence définie&#xa0;: %1</translation>
    </message>
    <message>
        <source>Compares the current shot with the baseline &quot;%1&quot;.</source>
        <translation>Compare le tir actuel à la référence «&#xa0;%1&#xa0;».</translation>
    </message>
    <message>
        <source>
It is left as it is: the settings will not be saved over it at exit.</source>
        <translation>
Le fichier est laissé tel quel&#xa0;: les réglages ne seront pas enregistrés par-dessus à la fermeture.</translation>
    </message>
    <message>
        <source>Settings Not Read</source>
        <translation>Réglages non lus</translation>
    </message>
    <message>
        <source>The settings could not be read from &quot;%1&quot;.</source>
        <translation>Les réglages n&apos;ont pas pu être lus depuis «&#xa0;%1&#xa0;».</translation>
    </message>
    <message>
        <source>The extra shot inputs could not be read from &quot;%1&quot;.</source>
        <translation>Les saisies supplémentaires du tir n&apos;ont pas pu être lues depuis «&#xa0;%1&#xa0;».</translation>
    </message>
    <message>
        <source>Settings Out of Bounds</source>
        <translation>Réglages hors limites</translation>
    </message>
    <message>
        <source>The settings hold values outside their bounds; correct them before closing:</source>
        <translation>Les réglages contiennent des valeurs hors limites&#xa0;; corrigez-les avant de fermer&#xa0;:</translation>
    </message>
    <message>
        <source>Settings Not Saved</source>
        <translation>Réglages non enregistrés</translation>
    </message>
    <message>
        <source>The settings could not be saved to &quot;%1&quot;.</source>
        <translation>Les réglages n&apos;ont pas pu être enregistrés dans «&#xa0;%1&#xa0;».</translation>
    </message>
    <message>
        <source>The extra shot inputs could not be saved to &quot;%1&quot;.</source>
        <translation>Les saisies supplémentaires du tir n&apos;ont pas pu être enregistrées dans «&#xa0;%1&#xa0;».</translation>
    </message>
    <message>
        <source>Save Failed</source>
        <translation>Échec de l&apos;enregistrement</translation>
    </message>
    <message>
        <source>The shot could not be saved to &quot;%1&quot;.</source>
        <translation>Le tir n&apos;a pas pu être enregistré dans «&#xa0;%1&#xa0;».</translation>
    </message>
    <message>
        <source>Load Failed</source>
        <translation>Échec du chargement</translation>
    </message>
    <message>
        <source>The shot file &quot;%1&quot; could not be read.</source>
        <translation>Le fichier de tir «&#xa0;%1&#xa0;» n&apos;a pas pu être lu.</translation>
    </message>
    <message>
        <source>Load</source>
        <translation>Charger</translation>
    </message>
    <message>
        <source>Part of &quot;%1&quot; could not be read:</source>
        <translation>Une partie de «&#xa0;%1&#xa0;» n&apos;a pas pu être lue&#xa0;:</translation>
    </message>
    <message>
        <source>&quot;%1&quot; not opened: %2</source>
        <translation>«&#xa0;%1&#xa0;» non ouvert&#xa0;: %2</translation>
    </message>
    <message>
        <source>not a shot file (.vxf)</source>
        <translation>ce n&apos;est pas un fichier de tir (.vxf)</translation>
    </message>
    <message>
        <source>not a shot file</source>
        <translation>ce n&apos;est pas un fichier de tir</translation>
    </message>
    <message>
        <source>Values Out of Bounds</source>
        <translation>Valeurs hors limites</translation>
    </message>
    <message>
        <source>&quot;%1&quot; holds values outside their bounds; correct them before computing:</source>
        <translation>«&#xa0;%1&#xa0;» contient des valeurs hors limites&#xa0;; corrigez-les avant de calculer&#xa0;:</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Enregistrer</translation>
    </message>
    <message>
        <source>About Vorlan</source>
        <translation>À propos de Vorlan</translation>
    </message>
    <message>
        <source>&amp;Units...</source>
        <translation>&amp;Unités...</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Aide</translation>
    </message>
    <message>
        <source>Calculations</source>
        <translation>Calculs</translation>
    </message>
    <message>
        <source>&amp;Advanced...</source>
        <translation>A&amp;vancé...</translation>
    </message>
    <message>
        <source>Std. Atmosphere</source>
        <translation>Atm. standard</translation>
    </message>
    <message>
        <source>ICAO Atmosphere</source>
        <translation>Atm. OACI</translation>
    </message>
    <message>
        <source>Range Table</source>
        <translation>Table de tir</translation>
    </message>
    <message>
        <source>Set Baseline</source>
        <translation>Définir la référence</translation>
    </message>
    <message>
        <source>Shoot</source>
        <translation>Tirer</translation>
    </message>
    <message>
        <source>Compute BC</source>
        <translation>Calculer le CB</translation>
    </message>
    <message>
        <source>OPBZ</source>
        <translation>OPBZ</translation>
    </message>
    <message>
        <source>Maximum Range</source>
        <translation>Portée maximale</translation>
    </message>
    <message>
        <source>&amp;Field Card...</source>
        <translation>&amp;Fiche de tir...</translation>
    </message>
    <message>
        <source>Hit &amp;Probability...</source>
        <translation>&amp;Probabilité de touche...</translation>
    </message>
    <message>
        <source>&amp;Library...</source>
        <translation>&amp;Bibliothèque...</translation>
    </message>
</context>
<context>
    <name>vorlan::ChronoPlot</name>
    <message>
        <source>Velocity by shot</source>
        <translation>Vitesse par coup</translation>
    </message>
</context>
<context>
    <name>vorlan::ChronographDialog</name>
    <message>
        <source>From Chronograph</source>
        <translation>Depuis le chronographe</translation>
    </message>
    <message>
        <source>Shot</source>
        <translation>Coup</translation>
    </message>
    <message>
        <source>Velocity (ft/s)</source>
        <translation>Vitesse (ft/s)</translation>
    </message>
    <message>
        <source>Clear a shot&apos;s box to leave it out (a fouler or a flyer)</source>
        <translation>Décochez un coup pour l&apos;écarter (coup d&apos;encrassement ou coup aberrant)</translation>
    </message>
    <message>
        <source>%1, %2 shots</source>
        <translation>%1, %2 coups</translation>
    </message>
    <message>
        <source>Set the shot&apos;s muzzle &amp;velocity to the mean as well</source>
        <translation>Mettre aussi la &amp;vitesse initiale du tir à la moyenne</translation>
    </message>
    <message>
        <source>Keep at least two shots for a standard deviation.</source>
        <translation>Gardez au moins deux coups pour un écart-type.</translation>
    </message>
    <message>
        <source>Shots: %1
Mean: %2 ft/s
SD: %3 ft/s
Extreme spread: %4 ft/s</source>
        <translation>Coups&#xa0;: %1
Moyenne&#xa0;: %2 ft/s
Écart-type&#xa0;: %3 ft/s
Écart extrême&#xa0;: %4 ft/s</translation>
    </message>
    <message>
        <source>Open Chronograph Session</source>
        <translation>Ouvrir une séance de chronographe</translation>
    </message>
    <message>
        <source>Chronograph sessions (*.csv *.txt)</source>
        <translation>Séances de chronographe (*.csv *.txt)</translation>
    </message>
    <message>
        <source>All files (*)</source>
        <translation>Tous les fichiers (*)</translation>
    </message>
    <message>
        <source>The session holds fewer than two shots, so no standard deviation.</source>
        <translation>La séance contient moins de deux coups, donc pas d&apos;écart-type.</translation>
    </message>
</context>
<context>
    <name>vorlan::CsvExportDialog</name>
    <message>
        <source>Only the &amp;printed rows</source>
        <translation>Seulement les lignes &amp;imprimées</translation>
    </message>
    <message>
        <source>&amp;Holds: true MOA, mil and clicks</source>
        <translation>&amp;Corrections&#xa0;: MOA vrais, mil et clics</translation>
    </message>
    <message>
        <source>Export CSV</source>
        <translation>Exporter en CSV</translation>
    </message>
    <message>
        <source>Imperial</source>
        <translation>Impérial</translation>
    </message>
    <message>
        <source>Metric</source>
        <translation>Métrique</translation>
    </message>
    <message>
        <source>&amp;Click value:</source>
        <translation>&amp;Valeur du clic&#xa0;:</translation>
    </message>
    <message>
        <source>&amp;Units:</source>
        <translation>&amp;Unités&#xa0;:</translation>
    </message>
</context>
<context>
    <name>vorlan::HelpBrowser</name>
    <message>
        <source>&lt; &amp;Back</source>
        <translation>&lt; &amp;Précédent</translation>
    </message>
    <message>
        <source>&amp;Forward &gt;</source>
        <translation>&amp;Suivant &gt;</translation>
    </message>
    <message>
        <source>&amp;Contents</source>
        <translation>&amp;Table des matières</translation>
    </message>
    <message>
        <source>Vorlan Help</source>
        <translation>Aide de Vorlan</translation>
    </message>
    <message>
        <source>The help pages are in English.</source>
        <translation>Les pages d&apos;aide sont en anglais.</translation>
    </message>
</context>
<context>
    <name>vorlan::HitScatterView</name>
    <message>
        <source>Impacts at the target range</source>
        <translation>Impacts à la distance de la cible</translation>
    </message>
    <message>
        <source>Grid %1 %2; up and right as the shooter sees them</source>
        <translation>Grille de %1 %2&#xa0;; haut et droite vus par le tireur</translation>
    </message>
    <message>
        <source>Impacts at %1: %2 of %3 hit (%3 of %4 samples shown)</source>
        <translation>Impacts à %1&#xa0;: %2 sur %3 touchent (%3 sur %4 échantillons affichés)</translation>
    </message>
</context>
<context>
    <name>vorlan::LibraryModel</name>
    <message>
        <source>(no rifle)</source>
        <translation>(aucune arme)</translation>
    </message>
    <message>
        <source>custom drag</source>
        <translation>traînée personnalisée</translation>
    </message>
    <message>
        <source> (bands)</source>
        <translation> (tranches)</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nom</translation>
    </message>
    <message>
        <source>Caliber</source>
        <translation>Calibre</translation>
    </message>
    <message>
        <source>Weight (gr)</source>
        <translation>Poids (gr)</translation>
    </message>
    <message>
        <source>BC and Drag</source>
        <translation>CB et traînée</translation>
    </message>
    <message>
        <source>Velocity (ft/s)</source>
        <translation>Vitesse (ft/s)</translation>
    </message>
    <message>
        <source>Sight-In (yd)</source>
        <translation>Zéro (yd)</translation>
    </message>
    <message>
        <source>Last Changed</source>
        <translation>Modifié le</translation>
    </message>
    <message>
        <source>it holds no shot-file line</source>
        <translation>il ne contient aucune ligne de fichier de tir</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1&#xa0;: %2</translation>
    </message>
    <message>
        <source>%1: &quot;%2&quot; has changed since it was read (by another window or program). Nothing was written; look at it again and repeat.</source>
        <translation>%1&#xa0;: «&#xa0;%2&#xa0;» a changé depuis sa lecture (par une autre fenêtre ou un autre programme). Rien n&apos;a été écrit&#xa0;; vérifiez-le de nouveau et recommencez.</translation>
    </message>
    <message>
        <source>%1: the file is not a shot file (it holds no shot-file line).</source>
        <translation>%1&#xa0;: le fichier n&apos;est pas un fichier de tir (il ne contient aucune ligne de fichier de tir).</translation>
    </message>
    <message>
        <source>%1: &quot;%2&quot; could not be moved to the trash (%3).</source>
        <translation>%1&#xa0;: «&#xa0;%2&#xa0;» n&apos;a pas pu être mis à la corbeille (%3).</translation>
    </message>
    <message>
        <source>Not saved</source>
        <translation>Non enregistré</translation>
    </message>
    <message>
        <source>Not duplicated</source>
        <translation>Non dupliqué</translation>
    </message>
    <message>
        <source>Not renamed</source>
        <translation>Non renommé</translation>
    </message>
    <message>
        <source>Not moved</source>
        <translation>Non déplacé</translation>
    </message>
    <message>
        <source>the desktop&apos;s trash did not take it</source>
        <translation>la corbeille du bureau ne l&apos;a pas accepté</translation>
    </message>
    <message>
        <source>Not deleted</source>
        <translation>Non supprimé</translation>
    </message>
    <message>
        <source>&quot;%1&quot; not imported</source>
        <translation>«&#xa0;%1&#xa0;» non importé</translation>
    </message>
    <message>
        <source>Not exported</source>
        <translation>Non exporté</translation>
    </message>
    <message>
        <source>Not changed</source>
        <translation>Non modifié</translation>
    </message>
</context>
<context>
    <name>vorlan::LoadNamingDlg</name>
    <message>
        <source>(no rifle)</source>
        <translation>(aucune arme)</translation>
    </message>
    <message>
        <source>&amp;Rifle:</source>
        <translation>&amp;Arme&#xa0;:</translation>
    </message>
    <message>
        <source>&amp;Name:</source>
        <translation>&amp;Nom&#xa0;:</translation>
    </message>
</context>
<context>
    <name>vorlan::TableViewCommands</name>
    <message>
        <source>&amp;Holds</source>
        <translation>&amp;Corrections</translation>
    </message>
    <message>
        <source>&amp;Units</source>
        <translation>&amp;Unités</translation>
    </message>
    <message>
        <source>&amp;Imperial</source>
        <translation>&amp;Impérial</translation>
    </message>
    <message>
        <source>&amp;Metric</source>
        <translation>&amp;Métrique</translation>
    </message>
    <message>
        <source>Click &amp;Value</source>
        <translation>&amp;Valeur du clic</translation>
    </message>
    <message>
        <source>&amp;Units...</source>
        <translation>&amp;Unités...</translation>
    </message>
    <message>
        <source>Preferences Not Saved</source>
        <translation>Préférences non enregistrées</translation>
    </message>
    <message>
        <source>The table&apos;s view could not be saved to &quot;%1&quot;.
%2</source>
        <translation>La vue de la table n&apos;a pas pu être enregistrée dans «&#xa0;%1&#xa0;».
%2</translation>
    </message>
    <message>
        <source>The range table could not be exported to &quot;%1&quot;.
%2</source>
        <translation>La table de tir n&apos;a pas pu être exportée vers «&#xa0;%1&#xa0;».
%2</translation>
    </message>
</context>
<context>
    <name>vorlan::TrajectoryChartCommands</name>
    <message>
        <source>&amp;Export Chart...</source>
        <translation>E&amp;xporter le graphique...</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Affichage</translation>
    </message>
    <message>
        <source>&amp;Table</source>
        <translation>Ta&amp;ble</translation>
    </message>
    <message>
        <source>&amp;Chart</source>
        <translation>&amp;Graphique</translation>
    </message>
    <message>
        <source>&amp;Add to Chart...</source>
        <translation>Ajouter au gra&amp;phique...</translation>
    </message>
    <message>
        <source>&amp;Reset Zoom</source>
        <translation>&amp;Réinitialiser le zoom</translation>
    </message>
    <message>
        <source>View</source>
        <translation>Affichage</translation>
    </message>
    <message>
        <source>Add to Chart</source>
        <translation>Ajouter au graphique</translation>
    </message>
    <message>
        <source>Open the range table of another shot first.</source>
        <translation>Ouvrez d&apos;abord la table de tir d&apos;un autre tir.</translation>
    </message>
    <message>
        <source>Choose a file name ending in .png or .svg.</source>
        <translation>Choisissez un nom de fichier se terminant par .png ou .svg.</translation>
    </message>
    <message>
        <source>The chart could not be exported to &quot;%1&quot;.
%2</source>
        <translation>Le graphique n&apos;a pas pu être exporté vers «&#xa0;%1&#xa0;».
%2</translation>
    </message>
    <message>
        <source>Trajectory Chart - </source>
        <translation>Graphique de trajectoire - </translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Fichier</translation>
    </message>
    <message>
        <source>&amp;Print...	Ctrl+P</source>
        <translation>Im&amp;primer...	Ctrl+P</translation>
    </message>
</context>
<context>
    <name>vorlan::TrajectoryChartView</name>
    <message>
        <source>&amp;Remove &quot;%1&quot; from Chart</source>
        <translation>&amp;Retirer «&#xa0;%1&#xa0;» du graphique</translation>
    </message>
</context>
<context>
    <name>vorlan::TrajectoryWindow</name>
    <message>
        <source>&amp;Library...</source>
        <translation>&amp;Bibliothèque...</translation>
    </message>
    <message>
        <source>&amp;Close	Ctrl+W</source>
        <translation>&amp;Fermer	Ctrl+W</translation>
    </message>
    <message>
        <source>Sight &amp;Picture...</source>
        <translation>&amp;Image de visée...</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Fichier</translation>
    </message>
    <message>
        <source>&amp;Save As ...</source>
        <translation>Enregistrer &amp;sous...</translation>
    </message>
    <message>
        <source>&amp;Print...	Ctrl+P</source>
        <translation>Im&amp;primer...	Ctrl+P</translation>
    </message>
    <message>
        <source>Print Pre&amp;view</source>
        <translation>&amp;Aperçu avant impression</translation>
    </message>
    <message>
        <source>P&amp;rint Setup...</source>
        <translation>&amp;Mise en page...</translation>
    </message>
    <message>
        <source>Field C&amp;ard...</source>
        <translation>Fic&amp;he de tir...</translation>
    </message>
    <message>
        <source>&amp;Hit Probability...</source>
        <translation>Probabilité de &amp;touche...</translation>
    </message>
    <message>
        <source>&amp;Truing...</source>
        <translation>Ca&amp;librage...</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>É&amp;dition</translation>
    </message>
    <message>
        <source>&amp;Copy	Ctrl+C</source>
        <translation>&amp;Copier	Ctrl+C</translation>
    </message>
    <message>
        <source>Copy as &amp;Text	Ctrl+Shift+C</source>
        <translation>Copier en &amp;texte	Ctrl+Shift+C</translation>
    </message>
    <message>
        <source>Select &amp;All	Ctrl+A</source>
        <translation>Tout &amp;sélectionner	Ctrl+A</translation>
    </message>
    <message>
        <source>The range table could not be saved to &quot;%1&quot;.
%2</source>
        <translation>La table de tir n&apos;a pas pu être enregistrée dans «&#xa0;%1&#xa0;».
%2</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Affichage</translation>
    </message>
    <message>
        <source>Print Preview - </source>
        <translation>Aperçu avant impression - </translation>
    </message>
    <message>
        <source>Trajectory Table - %1</source>
        <translation>Table de tir - %1</translation>
    </message>
    <message>
        <source>Print in the Chosen Lan&amp;guage</source>
        <translation>Imprimer dans la lan&amp;gue choisie</translation>
    </message>
    <message>
        <source>E&amp;xport CSV...</source>
        <translation>Exporter en &amp;CSV...</translation>
    </message>
</context>
</TS>
