<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es" sourcelanguage="en">
<context>
    <name>Chart</name>
    <message>
        <source>Range (%1)</source>
        <translation>Distancia (%1)</translation>
    </message>
    <message>
        <source>Drop and windage (%1)</source>
        <translation>Caída y deriva (%1)</translation>
    </message>
    <message>
        <source>Velocity (%1)</source>
        <translation>Velocidad (%1)</translation>
    </message>
    <message>
        <source>the file name must end in .png or .svg</source>
        <translation>el nombre del archivo debe terminar en .png o .svg</translation>
    </message>
    <message>
        <source>the picture could not be drawn</source>
        <translation>no se pudo dibujar la imagen</translation>
    </message>
    <message>
        <source>drop - - windage ··· ft/s</source>
        <extracomment>The legend key&apos;s words and marks, measured for the legend&apos;s width: translate as the key.</extracomment>
        <translation>caída - - deriva ··· ft/s</translation>
    </message>
    <message>
        <source>— drop  - - windage  ··· %1</source>
        <translation>— caída  - - deriva  ··· %1</translation>
    </message>
    <message>
        <source>  ○ observed</source>
        <translation>  ○ observado</translation>
    </message>
    <message>
        <source>Ethical %1 %2 (P(hit) %3 %)</source>
        <translation>Ética %1 %2 (P(impacto) %3 %)</translation>
    </message>
    <message>
        <source>P(hit), 0 to 100 %</source>
        <translation>P(impacto), de 0 a 100 %</translation>
    </message>
    <message>
        <source>P(hit)</source>
        <translation>P(impacto)</translation>
    </message>
    <message>
        <source>Line of sight</source>
        <translation>Línea de mira</translation>
    </message>
    <message>
        <source>Sight-in %1 %2</source>
        <translation>Cero %1 %2</translation>
    </message>
    <message>
        <source>Target %1 %2</source>
        <translation>Blanco %1 %2</translation>
    </message>
    <message>
        <source>Mach %1 at %2 %3</source>
        <translation>Mach %1 a %2 %3</translation>
    </message>
    <message>
        <source>Max. ordinate %1 %2 at %3 %4</source>
        <translation>Flecha máx. %1 %2 a %3 %4</translation>
    </message>
</context>
<context>
    <name>ChartDialogs</name>
    <message>
        <source>Export Chart</source>
        <translation>Exportar gráfico</translation>
    </message>
    <message>
        <source>PNG Pictures (*.png)</source>
        <translation>Imágenes PNG (*.png)</translation>
    </message>
    <message>
        <source>SVG Drawings (*.svg)</source>
        <translation>Dibujos SVG (*.svg)</translation>
    </message>
    <message>
        <source>Add to Chart</source>
        <translation>Añadir al gráfico</translation>
    </message>
</context>
<context>
    <name>DataExchange</name>
    <message>
        <source>Please enter a number.</source>
        <translation>Introduzca un número.</translation>
    </message>
    <message>
        <source>Please enter an integer.</source>
        <translation>Introduzca un número entero.</translation>
    </message>
    <message>
        <source>Please enter a number between %1 and %2.</source>
        <translation>Introduzca un número entre %1 y %2.</translation>
    </message>
    <message>
        <source>Please enter no more than %1 characters.</source>
        <translation>Introduzca como máximo %1 caracteres.</translation>
    </message>
</context>
<context>
    <name>HelpTexts</name>
    <message>
        <source>The main window: describe one shot, then run a command with the buttons below.</source>
        <translation>La ventana principal: describa un disparo y ejecute una orden con los botones de abajo.</translation>
    </message>
    <message>
        <source>Derives a ballistic coefficient from two chronograph velocities.</source>
        <translation>Calcula un coeficiente balístico a partir de dos velocidades medidas con cronógrafo.</translation>
    </message>
    <message>
        <source>The longest distance the shot can reach, its firing elevation and its highest point.</source>
        <translation>La mayor distancia que alcanza el disparo, su ángulo de tiro y su punto más alto.</translation>
    </message>
    <message>
        <source>The optimum point-blank zero for a vital zone of the given diameter.</source>
        <translation>El cero óptimo de punto en blanco para una zona vital del diámetro indicado.</translation>
    </message>
    <message>
        <source>The current shot compared with the baseline at the target range.</source>
        <translation>El disparo actual comparado con la referencia a la distancia del blanco.</translation>
    </message>
    <message>
        <source>Energy, velocity, bullet weight, power factor and recoil energy.</source>
        <translation>Energía, velocidad, peso de la bala, factor de potencia y energía de retroceso.</translation>
    </message>
    <message>
        <source>Effects beyond the standard flight: wind from any side, spin, the Earth&apos;s rotation, powder, drag.</source>
        <translation>Efectos más allá del vuelo estándar: viento de cualquier lado, giro, rotación de la Tierra, pólvora, resistencia.</translation>
    </message>
    <message>
        <source>A field card of the shot: the elevation and wind holds at a few ranges, sized for a pocket, a page or a strip.</source>
        <translation>Una tarjeta de tiro del disparo: las correcciones de elevación y viento a varias distancias, en tamaño de bolsillo, de página o de tira.</translation>
    </message>
    <message>
        <source>Rows every step yards (metres) from the first range to the last.</source>
        <translation>Filas cada paso en yardas (metros) desde la primera distancia hasta la última.</translation>
    </message>
    <message>
        <source>Named targets at their ranges, one a line or comma-separated: &quot;Gong 1 = 327&quot;.</source>
        <translation>Blancos con nombre a sus distancias, uno por línea o separados por comas: &quot;Gong 1 = 327&quot;.</translation>
    </message>
    <message>
        <source>The wind speeds of the wind columns, each a full-value wind from the right over the whole flight (in place of the shot&apos;s wind zones): mph, or m/s in metric.</source>
        <translation>Las velocidades de las columnas de viento, cada una un viento de pleno valor desde la derecha durante todo el vuelo (en lugar de las zonas de viento del disparo): mph, o m/s en métrico.</translation>
    </message>
    <message>
        <source>Up to three temperatures: the elevation at each, with the zero of the shot&apos;s own air (and the powder&apos;s sensitivity when one is set).</source>
        <translation>Hasta tres temperaturas: la elevación a cada una, con el cero tomado en el aire del propio disparo (y la sensibilidad térmica de la pólvora si está indicada).</translation>
    </message>
    <message>
        <source>The card&apos;s size. The card takes the largest type that fits, turned landscape when that reads larger; a pocket card leaves its last columns out rather than go below 7 pt, and says which. A card that cannot hold its rows says so instead of cutting them.</source>
        <translation>El tamaño de la tarjeta. La tarjeta usa la letra más grande que cabe, en horizontal si así se lee mayor; una tarjeta de bolsillo omite sus últimas columnas antes que bajar de 7 pt, y dice cuáles. Una tarjeta que no puede contener sus filas lo indica en vez de cortarlas.</translation>
    </message>
    <message>
        <source>Several cards on one sheet, with cut marks.</source>
        <translation>Varias tarjetas en una hoja, con marcas de corte.</translation>
    </message>
    <message>
        <source>Truing: fit the muzzle velocity and the drag to what you observed at real ranges, so that the table matches the rifle.</source>
        <translation>Calibración: ajusta la velocidad en boca y la resistencia a lo observado a distancias reales, para que la tabla coincida con el rifle.</translation>
    </message>
    <message>
        <source>What is fitted besides the velocity: nothing, one drag factor over the whole flight, or a drag scale by Mach; by default one range fits the velocity alone, two to four one factor, five or more reaching below Mach 1.08 the scale by Mach.</source>
        <translation>Qué se ajusta además de la velocidad: nada, un factor de resistencia para todo el vuelo o una escala de resistencia por Mach; por defecto, una distancia ajusta solo la velocidad, de dos a cuatro un factor, y cinco o más que lleguen por debajo de Mach 1.08 la escala por Mach.</translation>
    </message>
    <message>
        <source>Reads observations from a CSV file whose header names range_yd and any of up_moa, up_mil, up_clicks, drop_in, velocity_fps, time_s, sigma_moa and sigma_fps.</source>
        <translation>Lee observaciones de un archivo CSV cuya cabecera nombra range_yd y cualquiera de up_moa, up_mil, up_clicks, drop_in, velocity_fps, time_s, sigma_moa y sigma_fps.</translation>
    </message>
    <message>
        <source>Writes the observations to a CSV file of the same columns.</source>
        <translation>Escribe las observaciones en un archivo CSV con las mismas columnas.</translation>
    </message>
    <message>
        <source>Fits the main window&apos;s shot to the observations: the fitted values with their standard errors, the residuals before and after, and the chart.</source>
        <translation>Ajusta el disparo de la ventana principal a las observaciones: los valores ajustados con sus errores estándar, los residuos antes y después, y el gráfico.</translation>
    </message>
    <message>
        <source>Writes the fitted velocity into the main window and the drag scale into the shot: every table and calculation then flies them.</source>
        <translation>Escribe la velocidad ajustada en la ventana principal y la escala de resistencia en el disparo: desde entonces todas las tablas y cálculos las usan.</translation>
    </message>
    <message>
        <source>Takes the truing out of the shot: the velocity and drag scale from before Apply, or without an Apply here the drag scale alone.</source>
        <translation>Quita la calibración del disparo: la velocidad y la escala de resistencia de antes de Aplicar, o sin un Aplicar aquí, solo la escala de resistencia.</translation>
    </message>
    <message>
        <source>Each reading observed minus predicted, with the shot as it was and with the fitted values, in the reading&apos;s unit; the fit weighs each by its uncertainty (the ± column).</source>
        <translation>Cada lectura observada menos la predicha, con el disparo tal como era y con los valores ajustados, en la unidad de la lectura; el ajuste pondera cada una por su incertidumbre (la columna ±).</translation>
    </message>
    <message>
        <source>The observed points (rings, with bars as long as their uncertainty) over the drop predicted before and after the fit.</source>
        <translation>Los puntos observados (anillos, con barras tan largas como su incertidumbre) sobre la caída predicha antes y después del ajuste.</translation>
    </message>
    <message>
        <source>Closes the window and keeps the observations with the shot.</source>
        <translation>Cierra la ventana y guarda las observaciones con el disparo.</translation>
    </message>
    <message>
        <source>Closes the window; the shot keeps the observations it had. What Apply wrote stays.</source>
        <translation>Cierra la ventana; el disparo conserva las observaciones que tenía. Lo que escribió Aplicar se mantiene.</translation>
    </message>
    <message>
        <source>Opens the Truing window: the velocity and drag fitted to the holds observed at real ranges.</source>
        <translation>Abre la ventana de Calibración: la velocidad y la resistencia ajustadas a las correcciones observadas a distancias reales.</translation>
    </message>
    <message>
        <source>Closes the window and keeps its inputs in the shot; a field out of its bounds keeps it open.</source>
        <translation>Cierra la ventana y guarda sus datos en el disparo; un campo fuera de sus límites la mantiene abierta.</translation>
    </message>
    <message>
        <source>Opens a Field Card window: the holds for chosen ranges, targets, winds and temperatures, to print or export.</source>
        <translation>Abre una ventana de Tarjeta de tiro: las correcciones para las distancias, blancos, vientos y temperaturas elegidos, para imprimir o exportar.</translation>
    </message>
    <message>
        <source>How likely the first shot hits the target at each range when the load, the range, the wind call, the rifle and shooter and the cant each spread the shot.</source>
        <translation>La probabilidad de que el primer disparo impacte en el blanco a cada distancia cuando la carga, la distancia, la lectura del viento, el rifle y el tirador y el ladeo dispersan el disparo.</translation>
    </message>
    <message>
        <source>The rifle and shooter&apos;s spread: a standard deviation per axis, or the mean size of groups of 2 to 10 shots, converted to one.</source>
        <translation>La dispersión del rifle y el tirador: una desviación estándar por eje, o el tamaño medio de agrupaciones de 2 a 10 disparos, convertido a una.</translation>
    </message>
    <message>
        <source>The target, aimed at its centre: a circle&apos;s diameter (the OPBZ vital zone unless set) or a rectangle.</source>
        <translation>El blanco, apuntando a su centro: el diámetro de un círculo (la zona vital de OPBZ si no se indica) o un rectángulo.</translation>
    </message>
    <message>
        <source>Closes the window and keeps its inputs with the shot, assumed spreads included.</source>
        <translation>Cierra la ventana y guarda sus datos con el disparo, incluidas las dispersiones supuestas.</translation>
    </message>
    <message>
        <source>Closes the window; inputs you typed are kept with the shot already, assumed spreads are not.</source>
        <translation>Cierra la ventana; los datos que escribió ya quedan guardados con el disparo, las dispersiones supuestas no.</translation>
    </message>
    <message>
        <source>The farthest ethical range is the last range up to which P(hit) stays at or above this level.</source>
        <translation>La distancia ética máxima es la última distancia hasta la cual P(impacto) se mantiene en este nivel o por encima.</translation>
    </message>
    <message>
        <source>Opens a Sight Picture window of the shot: where to hold, drawn on a reticle.</source>
        <translation>Abre una ventana de Imagen de retícula del disparo: dónde apuntar, dibujado sobre una retícula.</translation>
    </message>
    <message>
        <source>Opens a Sight Picture window of the shot in the card&apos;s units: where to hold, drawn on a reticle.</source>
        <translation>Abre una ventana de Imagen de retícula del disparo en las unidades de la tarjeta: dónde apuntar, dibujado sobre una retícula.</translation>
    </message>
    <message>
        <source>Draws the holds of the card&apos;s rows and winds on this reticle, beside the table of a pocket or half card.</source>
        <translation>Dibuja las correcciones de las filas y vientos de la tarjeta sobre esta retícula, junto a la tabla de una tarjeta de bolsillo o de media página.</translation>
    </message>
    <message>
        <source>Where to hold, drawn on the reticle at the magnification in use: the shot&apos;s own point, a ladder of ranges and the wind dots.</source>
        <translation>Dónde apuntar, dibujado sobre la retícula a los aumentos en uso: el punto del propio disparo, una escala de distancias y los puntos de viento.</translation>
    </message>
    <message>
        <source>The reticle the holds are drawn on: a built-in one, or one read from a reticle file.</source>
        <translation>La retícula sobre la que se dibujan las correcciones: una incorporada o una leída de un archivo de retícula.</translation>
    </message>
    <message>
        <source>Reads a reticle of your own from a reticle file (.vrt) and picks it; a faulty file is refused with its line.</source>
        <translation>Lee una retícula propia de un archivo de retícula (.vrt) y la elige; un archivo defectuoso se rechaza indicando su línea.</translation>
    </message>
    <message>
        <source>The magnification in use, from 1 to 100. A second-plane reticle&apos;s marks span (true at) / (in use) times their angle.</source>
        <translation>Los aumentos en uso, de 1 a 100. Las marcas de una retícula de segundo plano abarcan (exacta a) / (en uso) veces su ángulo.</translation>
    </message>
    <message>
        <source>Empty: the reticle as it is made. A magnification here makes it second focal plane, true at that magnification.</source>
        <translation>Vacío: la retícula tal como está hecha. Unos aumentos aquí la hacen de segundo plano focal, exacta a esos aumentos.</translation>
    </message>
    <message>
        <source>How the holds share the work with the turret: dial the elevation and hold the wind, hold everything, or dial the zero of one range and hold the rest.</source>
        <translation>Cómo se reparten las correcciones con la torreta: elevación en torreta y viento en retícula, todo en retícula, o el cero de una distancia en torreta y el resto en retícula.</translation>
    </message>
    <message>
        <source>The range whose elevation is dialled when the holds dial a zero: yards, or metres in metric.</source>
        <translation>La distancia cuya elevación se marca en la torreta cuando se corrige un cero: yardas, o metros en métrico.</translation>
    </message>
    <message>
        <source>A holdover ladder: a point at each range, labelled with it (yards, or metres in metric).</source>
        <translation>Una escala de compensación: un punto a cada distancia, rotulado con ella (yardas, o metros en métrico).</translation>
    </message>
    <message>
        <source>Wind dots: a point at each range for each wind speed, full value from the right (mph, or m/s in metric).</source>
        <translation>Puntos de viento: un punto a cada distancia para cada velocidad del viento, de pleno valor desde la derecha (mph, o m/s en métrico).</translation>
    </message>
    <message>
        <source>The scope&apos;s circle: each point is where the target goes, labelled with its range; a hold beyond the reticle stands at its edge with an arrow.</source>
        <translation>El círculo del visor: cada punto es donde se coloca el blanco, rotulado con su distancia; una corrección más allá de la retícula queda en su borde con una flecha.</translation>
    </message>
    <message>
        <source>Every hold as the shooter would say it, a hold beyond the reticle told as what to dial and what to hold.</source>
        <translation>Cada corrección como la diría el tirador; una corrección más allá de la retícula se indica como lo que hay que marcar en torreta y lo que hay que compensar.</translation>
    </message>
    <message>
        <source>Prints the picture on one square page.</source>
        <translation>Imprime la imagen en una página cuadrada.</translation>
    </message>
    <message>
        <source>Shows the printed page before it is printed.</source>
        <translation>Muestra la página impresa antes de imprimirla.</translation>
    </message>
    <message>
        <source>Writes the picture as a PDF, SVG or PNG file.</source>
        <translation>Guarda la imagen como archivo PDF, SVG o PNG.</translation>
    </message>
    <message>
        <source>Closes the window.</source>
        <translation>Cierra la ventana.</translation>
    </message>
    <message>
        <source>Opens a Hit Probability window: the chance of a first-shot hit at every range and the farthest ethical shot.</source>
        <translation>Abre una ventana de Probabilidad de impacto: la probabilidad de impactar al primer disparo a cada distancia y el disparo ético más lejano.</translation>
    </message>
    <message>
        <source>Opens the Library: every rifle and load kept together, to open, save, duplicate, rename, move or delete.</source>
        <translation>Abre la Biblioteca: todos los rifles y cargas juntos, para abrir, guardar, duplicar, renombrar, mover o eliminar.</translation>
    </message>
    <message>
        <source>The library: the shot files of one folder, grouped by rifle. Open loads one into the main window.</source>
        <translation>La biblioteca: los archivos de disparo de una carpeta, agrupados por rifle. Abrir carga uno en la ventana principal.</translation>
    </message>
    <message>
        <source>Shows only the loads with this text in any column, or of a rifle whose name holds it.</source>
        <translation>Muestra solo las cargas con este texto en alguna columna, o de un rifle cuyo nombre lo contenga.</translation>
    </message>
    <message>
        <source>Stores the main window&apos;s shot in the library under the rifle and name you give.</source>
        <translation>Guarda el disparo de la ventana principal en la biblioteca con el rifle y el nombre que indique.</translation>
    </message>
    <message>
        <source>Opens the Advanced window: wind from any direction, spin drift, Coriolis, powder temperature, drag.</source>
        <translation>Abre la ventana Avanzado: viento de cualquier dirección, deriva giroscópica, Coriolis, temperatura de la pólvora, resistencia.</translation>
    </message>
    <message>
        <source>G1: the standard flat-based projectile, the drag function of most published coefficients.</source>
        <translation>G1: el proyectil estándar de base plana, la función de resistencia de la mayoría de los coeficientes publicados.</translation>
    </message>
    <message>
        <source>G7: long boat-tailed rifle bullets.</source>
        <translation>G7: balas de rifle largas con culote troncocónico (boat tail).</translation>
    </message>
    <message>
        <source>G2: the Aberdeen J projectile.</source>
        <translation>G2: el proyectil J de Aberdeen.</translation>
    </message>
    <message>
        <source>G8: flat-based bullets with a long ogive.</source>
        <translation>G8: balas de base plana con ojiva larga.</translation>
    </message>
    <message>
        <source>G6: flat-based spitzer bullets.</source>
        <translation>G6: balas spitzer de base plana.</translation>
    </message>
    <message>
        <source>G5: short boat-tailed bullets.</source>
        <translation>G5: balas cortas con culote troncocónico (boat tail).</translation>
    </message>
    <message>
        <source>Sets the standard sea-level atmosphere (59 degrees Fahrenheit, 29.92 inches of mercury, dry air, altitude 0) and shows its density.</source>
        <translation>Establece la atmósfera estándar a nivel del mar (59 grados Fahrenheit, 29.92 pulgadas de mercurio, aire seco, altitud 0) y muestra su densidad.</translation>
    </message>
    <message>
        <source>GL: lead ball.</source>
        <translation>GL: bola de plomo.</translation>
    </message>
    <message>
        <source>Gi: the Ingalls projectile.</source>
        <translation>Gi: el proyectil de Ingalls.</translation>
    </message>
    <message>
        <source>Computes the air density of the temperature, pressure, humidity and altitude entered.</source>
        <translation>Calcula la densidad del aire con la temperatura, la presión, la humedad y la altitud introducidas.</translation>
    </message>
    <message>
        <source>Sets the ICAO standard atmosphere at the altitude entered, with its pressure at that altitude (Station B.P. checked), and shows its density.</source>
        <translation>Establece la atmósfera estándar ICAO a la altitud introducida, con su presión a esa altitud (Presión absoluta marcada), y muestra su densidad.</translation>
    </message>
    <message>
        <source>Flies the shot, zeroed at the sight-in range, and opens its range table in a window of its own.</source>
        <translation>Calcula el vuelo del disparo, puesto a cero a la distancia de puesta a cero, y abre su tabla balística en una ventana propia.</translation>
    </message>
    <message>
        <source>Opens a window comparing the current shot with the baseline at the target range.</source>
        <translation>Abre una ventana que compara el disparo actual con la referencia a la distancia del blanco.</translation>
    </message>
    <message>
        <source>Remembers the current shot as the baseline for Shoot.</source>
        <translation>Guarda el disparo actual como referencia para Disparar.</translation>
    </message>
    <message>
        <source>Opens Compute BC: a ballistic coefficient from two chronograph readings.</source>
        <translation>Abre Calcular CB: un coeficiente balístico a partir de dos lecturas de cronógrafo.</translation>
    </message>
    <message>
        <source>Opens Maximum Range: the longest distance and height the shot can reach.</source>
        <translation>Abre Alcance máximo: la mayor distancia y altura que alcanza el disparo.</translation>
    </message>
    <message>
        <source>Opens OPBZ: the optimum point-blank zero for a vital zone.</source>
        <translation>Abre OPBZ: el cero óptimo de punto en blanco para una zona vital.</translation>
    </message>
    <message>
        <source>Opens the energy, velocity, weight and recoil calculator.</source>
        <translation>Abre la calculadora de energía, velocidad, peso y retroceso.</translation>
    </message>
    <message>
        <source>GS: spherical ball.</source>
        <translation>GS: bola esférica.</translation>
    </message>
    <message>
        <source>RA4: .22 rimfire bullets and airgun pellets.</source>
        <translation>RA4: balas .22 de percusión anular y balines de aire comprimido.</translation>
    </message>
    <message>
        <source>Click here, then on any field or button, to see what it does.</source>
        <translation>Pulse aquí y luego en cualquier campo o botón para ver qué hace.</translation>
    </message>
    <message>
        <source>Opens the Vorlan user&apos;s guide.</source>
        <translation>Abre la guía del usuario de Vorlan.</translation>
    </message>
    <message>
        <source>Notes on what a command did (a baseline set) or why a file given to the program was not opened.</source>
        <translation>Notas sobre lo que hizo una orden (una referencia fijada) o por qué no se abrió un archivo dado al programa.</translation>
    </message>
    <message>
        <source>How much higher (positive) or lower (negative) the current shot strikes than the baseline, in inches.</source>
        <translation>Cuánto más alto (positivo) o más bajo (negativo) impacta el disparo actual que la referencia, en pulgadas.</translation>
    </message>
    <message>
        <source>How much further to the side the current shot strikes than the baseline, in inches.</source>
        <translation>Cuánto más hacia el lado impacta el disparo actual que la referencia, en pulgadas.</translation>
    </message>
    <message>
        <source>The name of the shot that Set Baseline kept.</source>
        <translation>El nombre del disparo que guardó Fijar referencia.</translation>
    </message>
    <message>
        <source>The name of the current shot.</source>
        <translation>El nombre del disparo actual.</translation>
    </message>
    <message>
        <source>Why the shots were compared short of the target range, or that no baseline was set.</source>
        <translation>Por qué los disparos se compararon antes de la distancia del blanco, o que no hay referencia fijada.</translation>
    </message>
    <message>
        <source>The ballistic coefficient that gives the measured velocity loss, for the drag function shown.</source>
        <translation>El coeficiente balístico que da la pérdida de velocidad medida, para la función de resistencia mostrada.</translation>
    </message>
    <message>
        <source>Puts the coefficient shown into the main window&apos;s Ballistic Coefficient field.</source>
        <translation>Pone el coeficiente mostrado en el campo Coeficiente balístico de la ventana principal.</translation>
    </message>
    <message>
        <source>Computes the coefficient for the main window&apos;s atmosphere and drag function.</source>
        <translation>Calcula el coeficiente para la atmósfera y la función de resistencia de la ventana principal.</translation>
    </message>
    <message>
        <source>The name of the shot.</source>
        <translation>El nombre del disparo.</translation>
    </message>
    <message>
        <source>How far the bullet can fly over level ground, in yards.</source>
        <translation>Hasta dónde puede volar la bala sobre terreno llano, en yardas.</translation>
    </message>
    <message>
        <source>The elevation of the bore that gives the longest range, in degrees.</source>
        <translation>La elevación del cañón que da el mayor alcance, en grados.</translation>
    </message>
    <message>
        <source>The highest point of the longest trajectory above the muzzle, in feet.</source>
        <translation>El punto más alto de la trayectoria más larga sobre la boca, en pies.</translation>
    </message>
    <message>
        <source>The bullet&apos;s speed at the end of the longest trajectory, in feet per second.</source>
        <translation>La velocidad de la bala al final de la trayectoria más larga, en pies por segundo.</translation>
    </message>
    <message>
        <source>The bullet&apos;s energy at the end of the longest trajectory, in foot-pounds.</source>
        <translation>La energía de la bala al final de la trayectoria más larga, en libras-pie.</translation>
    </message>
    <message>
        <source>Time of flight of the longest trajectory, in seconds.</source>
        <translation>Tiempo de vuelo de la trayectoria más larga, en segundos.</translation>
    </message>
    <message>
        <source>How high the bullet climbs when fired straight up, in feet.</source>
        <translation>Cuánto sube la bala disparada en vertical, en pies.</translation>
    </message>
    <message>
        <source>How long the straight-up climb takes, in seconds.</source>
        <translation>Cuánto dura la subida en vertical, en segundos.</translation>
    </message>
    <message>
        <source>The sight-in range in yards that keeps the bullet inside the zone the longest.</source>
        <translation>La distancia de puesta a cero en yardas que mantiene la bala dentro de la zona durante más distancia.</translation>
    </message>
    <message>
        <source>The range in yards where the bullet first comes up into the zone.</source>
        <translation>La distancia en yardas a la que la bala entra por primera vez en la zona.</translation>
    </message>
    <message>
        <source>The range in yards where the bullet drops out of the zone.</source>
        <translation>La distancia en yardas a la que la bala sale por debajo de la zona.</translation>
    </message>
    <message>
        <source>Finds the optimum zero for the shot in the main window.</source>
        <translation>Busca el cero óptimo para el disparo de la ventana principal.</translation>
    </message>
    <message>
        <source>Calculate the energy from the velocity and the weight.</source>
        <translation>Calcular la energía a partir de la velocidad y el peso.</translation>
    </message>
    <message>
        <source>Calculate the velocity from the weight and the energy.</source>
        <translation>Calcular la velocidad a partir del peso y la energía.</translation>
    </message>
    <message>
        <source>Calculate the weight from the velocity and the energy.</source>
        <translation>Calcular el peso a partir de la velocidad y la energía.</translation>
    </message>
    <message>
        <source>Calculates the value the chosen mode derives, and the power factor.</source>
        <translation>Calcula el valor que deriva el modo elegido y el factor de potencia.</translation>
    </message>
    <message>
        <source>Calculates the recoil energy of the gun from the bullet, the powder and the gun weight.</source>
        <translation>Calcula la energía de retroceso del arma a partir de la bala, la pólvora y el peso del arma.</translation>
    </message>
    <message>
        <source>Keeps the colour shown; it is stored when Vorlan ends.</source>
        <translation>Conserva el color mostrado; se guarda al cerrar Vorlan.</translation>
    </message>
    <message>
        <source>Goes back to the colour kept last.</source>
        <translation>Vuelve al último color conservado.</translation>
    </message>
    <message>
        <source>Red part of the colour of all Vorlan windows, 0 to 255.</source>
        <translation>Componente rojo del color de todas las ventanas de Vorlan, de 0 a 255.</translation>
    </message>
    <message>
        <source>Green part of the colour of all Vorlan windows, 0 to 255.</source>
        <translation>Componente verde del color de todas las ventanas de Vorlan, de 0 a 255.</translation>
    </message>
    <message>
        <source>Blue part of the colour of all Vorlan windows, 0 to 255.</source>
        <translation>Componente azul del color de todas las ventanas de Vorlan, de 0 a 255.</translation>
    </message>
    <message>
        <source>Enter the wind direction in degrees, 0 to 360, clockwise from the line of fire.</source>
        <translation>Introduzca la dirección del viento en grados, de 0 a 360, en sentido horario desde la línea de tiro.</translation>
    </message>
    <message>
        <source>Enter the wind direction as a clock hour, 0 to 12: 12 from the target, 3 from the right.</source>
        <translation>Introduzca la dirección del viento como hora de reloj, de 0 a 12: las 12 desde el blanco, las 3 desde la derecha.</translation>
    </message>
    <message>
        <source>Check for a barrel whose rifling turns to the left: the bullet drifts to the left.</source>
        <translation>Marque para un cañón con estriado a izquierdas: la bala deriva a la izquierda.</translation>
    </message>
    <message>
        <source>Gyroscopic stability factor by Miller&apos;s rule, for the main window&apos;s velocity and air.</source>
        <translation>Factor de estabilidad giroscópica según la regla de Miller, para la velocidad y el aire de la ventana principal.</translation>
    </message>
    <message>
        <source>Judged on the factor as shown: below 1.00 unstable, to 1.29 marginal, 1.30 to 1.50 fair, above 1.50 stable.</source>
        <translation>Valorado según el factor mostrado: por debajo de 1.00 inestable, hasta 1.29 justo, de 1.30 a 1.50 aceptable, por encima de 1.50 estable.</translation>
    </message>
    <message>
        <source>Check to let a crosswind at the muzzle throw the bullet up or down (Litz&apos;s fit; needs twist, length and diameter). The zero is taken without it.</source>
        <translation>Marque para que el viento cruzado en la boca desvíe la bala hacia arriba o abajo (ajuste de Litz; requiere paso de estría, longitud y diámetro). El cero se toma sin él.</translation>
    </message>
    <message>
        <source>The bullet diameter spin drift and stability use: the one entered, or the caliber&apos;s.</source>
        <translation>El diámetro de bala que usan la deriva giroscópica y la estabilidad: el introducido o el del calibre.</translation>
    </message>
    <message>
        <source>Check to zero the rifle in the conditions below, in still air on a level range, and fly today&apos;s conditions at that angle.</source>
        <translation>Marque para poner a cero el rifle en las condiciones de abajo, sin viento y en terreno llano, y calcular el vuelo con las condiciones de hoy con ese ángulo.</translation>
    </message>
    <message>
        <source>Check to let the Earth&apos;s rotation move the bullet (Coriolis and Eotvos effects).</source>
        <translation>Marque para que la rotación de la Tierra desplace la bala (efectos Coriolis y Eötvös).</translation>
    </message>
    <message>
        <source>The muzzle velocity in feet per second that the powder temperature gives.</source>
        <translation>La velocidad en boca en pies por segundo que da la temperatura de la pólvora.</translation>
    </message>
    <message>
        <source>Computes the sensitivity from the two velocities and their temperatures.</source>
        <translation>Calcula la sensibilidad térmica a partir de las dos velocidades y sus temperaturas.</translation>
    </message>
    <message>
        <source>Check to fly the loaded Mach and drag-coefficient table instead of the drag function chosen.</source>
        <translation>Marque para calcular el vuelo con la tabla cargada de Mach y coeficiente de resistencia en lugar de la función de resistencia elegida.</translation>
    </message>
    <message>
        <source>Loads a drag table from a CSV file: Mach and Cd on each line, Mach increasing, a header allowed.</source>
        <translation>Carga una tabla de resistencia de un archivo CSV: Mach y Cd en cada línea, Mach creciente, se admite una cabecera.</translation>
    </message>
    <message>
        <source>The drag table held, or what is wrong with the file last loaded.</source>
        <translation>La tabla de resistencia guardada, o qué falla en el último archivo cargado.</translation>
    </message>
    <message>
        <source>The range of the observation in yards, 1 to 5000.</source>
        <translation>La distancia de la observación en yardas, de 1 a 5000.</translation>
    </message>
    <message>
        <source>The elevation dialled or held up to hit the centre, in true MOA (1/60 degree).</source>
        <translation>La elevación marcada en torreta o compensada hacia arriba para impactar en el centro, en MOA verdaderos (1/60 de grado).</translation>
    </message>
    <message>
        <source>The elevation dialled or held up to hit the centre, in mil.</source>
        <translation>La elevación marcada en torreta o compensada hacia arriba para impactar en el centro, en mil.</translation>
    </message>
    <message>
        <source>The elevation dialled up to hit the centre, in clicks of the shot&apos;s click value.</source>
        <translation>La elevación marcada en torreta para impactar en el centro, en clics del valor de clic del disparo.</translation>
    </message>
    <message>
        <source>The drop in inches with the shot&apos;s own zero, negative below the line of sight.</source>
        <translation>La caída en pulgadas con el propio cero del disparo, negativa por debajo de la línea de mira.</translation>
    </message>
    <message>
        <source>A velocity in feet per second measured at the range (a Doppler radar, a second chronograph).</source>
        <translation>Una velocidad en pies por segundo medida a esa distancia (un radar Doppler, un segundo cronógrafo).</translation>
    </message>
    <message>
        <source>The time of flight to the range in seconds.</source>
        <translation>El tiempo de vuelo hasta esa distancia en segundos.</translation>
    </message>
    <message>
        <source>How sure the row&apos;s holds and drop are, in MOA (0.1 when blank; half a click for clicks).</source>
        <translation>Qué seguridad tienen las correcciones y la caída de la fila, en MOA (0.1 si está vacío; medio clic para clics).</translation>
    </message>
    <message>
        <source>How sure the row&apos;s velocity is, in feet per second (5 when blank).</source>
        <translation>Qué seguridad tiene la velocidad de la fila, en pies por segundo (5 si está vacío).</translation>
    </message>
    <message>
        <source>No help topic is associated with this item.</source>
        <translation>No hay ningún tema de ayuda asociado a este elemento.</translation>
    </message>
</context>
<context>
    <name>Language</name>
    <message>
        <source>System default</source>
        <translation>Predeterminado del sistema</translation>
    </message>
    <message>
        <source>&amp;Language</source>
        <translation>&amp;Idioma</translation>
    </message>
    <message>
        <source>Windows opened from now on use the chosen language. Windows already open keep theirs; the main window changes at the next start.</source>
        <translation>Las ventanas que se abran a partir de ahora usarán el idioma elegido. Las ventanas ya abiertas conservan el suyo; la ventana principal cambia en el próximo inicio.</translation>
    </message>
    <message>
        <source>Preferences Not Saved</source>
        <translation>Preferencias no guardadas</translation>
    </message>
    <message>
        <source>The theme could not be saved to &quot;%1&quot;.
%2</source>
        <translation>No se pudo guardar el tema en &quot;%1&quot;.
%2</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Idioma</translation>
    </message>
    <message>
        <source>The language could not be saved to &quot;%1&quot;.
%2</source>
        <translation>No se pudo guardar el idioma en &quot;%1&quot;.
%2</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>Zero Not Found</source>
        <translation>Cero no encontrado</translation>
    </message>
    <message>
        <source>Save As</source>
        <translation>Guardar como</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Abrir</translation>
    </message>
</context>
<context>
    <name>QPrintPreviewDialog</name>
    <message>
        <source>Print Preview - %1</source>
        <translation>Vista previa de impresión - %1</translation>
    </message>
</context>
<context>
    <name>SideWindow</name>
    <message>
        <source>Wind Speed</source>
        <translation>Velocidad del viento</translation>
    </message>
    <message>
        <source>m.p.h.</source>
        <translation>m.p.h.</translation>
    </message>
    <message>
        <source>Wind speed in miles per hour, 0 to 200; above 0 it replaces the Crosswind of the main window.</source>
        <translation>Velocidad del viento en millas por hora, de 0 a 200; por encima de 0 sustituye al Viento cruzado de la ventana principal.</translation>
    </message>
    <message>
        <source>Wind From</source>
        <translation>Viento desde</translation>
    </message>
    <message>
        <source>Where the wind comes from: 0 to 360 degrees clockwise from the target (90 from the right), or 0 to 12 on the clock face (12 from the target, 3 from the right).</source>
        <translation>De dónde viene el viento: de 0 a 360 grados en sentido horario desde el blanco (90 desde la derecha), o de 0 a 12 en la esfera del reloj (las 12 desde el blanco, las 3 desde la derecha).</translation>
    </message>
    <message>
        <source>Twist Rate</source>
        <translation>Paso de estría</translation>
    </message>
    <message>
        <source>in./turn</source>
        <translation>in./vuelta</translation>
    </message>
    <message>
        <source>Barrel twist in inches per turn, 0 to 100; 0 leaves spin drift out.</source>
        <translation>Paso de estría del cañón en pulgadas por vuelta, de 0 a 100; 0 omite la deriva giroscópica.</translation>
    </message>
    <message>
        <source>Bullet Length</source>
        <translation>Longitud de la bala</translation>
    </message>
    <message>
        <source>in.</source>
        <translation>in.</translation>
    </message>
    <message>
        <source>Length of the bullet in inches, 0 to 10.</source>
        <translation>Longitud de la bala en pulgadas, de 0 a 10.</translation>
    </message>
    <message>
        <source>Bullet Diameter</source>
        <translation>Diámetro de la bala</translation>
    </message>
    <message>
        <source>Diameter of the bullet in inches, 0 to 2; 0 takes the caliber&apos;s bullet diameter (6.5x is 0.264, 30-0 0.308).</source>
        <translation>Diámetro de la bala en pulgadas, de 0 a 2; 0 toma el diámetro de bala del calibre (6.5x es 0.264, 30-0 0.308).</translation>
    </message>
    <message>
        <source>Latitude</source>
        <translation>Latitud</translation>
    </message>
    <message>
        <source>deg. N</source>
        <translation>° N</translation>
    </message>
    <message>
        <source>Latitude of the firing point in degrees, -90 to 90: north positive, south negative.</source>
        <translation>Latitud del puesto de tiro en grados, de -90 a 90: norte positiva, sur negativa.</translation>
    </message>
    <message>
        <source>Azimuth of Fire</source>
        <translation>Azimut de tiro</translation>
    </message>
    <message>
        <source>deg.</source>
        <translation>°</translation>
    </message>
    <message>
        <source>Direction of fire in degrees clockwise from north, 0 to 360.</source>
        <translation>Dirección de tiro en grados en sentido horario desde el norte, de 0 a 360.</translation>
    </message>
    <message>
        <source>Sensitivity</source>
        <translation>Sensibilidad</translation>
    </message>
    <message>
        <source>f.p.s./deg. F</source>
        <translation>f.p.s./°F</translation>
    </message>
    <message>
        <source>Change of muzzle velocity in feet per second per degree Fahrenheit of powder, -50 to 50; 0 is off.</source>
        <translation>Variación de la velocidad en boca en pies por segundo por grado Fahrenheit de la pólvora, de -50 a 50; 0 la desactiva.</translation>
    </message>
    <message>
        <source>Powder Temp.</source>
        <translation>Temp. pólvora</translation>
    </message>
    <message>
        <source>deg. F</source>
        <translation>°F</translation>
    </message>
    <message>
        <source>Temperature of the powder at the shot in degrees Fahrenheit, -150 to 150.</source>
        <translation>Temperatura de la pólvora al disparar en grados Fahrenheit, de -150 a 150.</translation>
    </message>
    <message>
        <source>Reference Temp.</source>
        <translation>Temp. referencia</translation>
    </message>
    <message>
        <source>Powder temperature in degrees Fahrenheit, -150 to 150, at which the main window&apos;s velocity was measured.</source>
        <translation>Temperatura de la pólvora en grados Fahrenheit, de -150 a 150, a la que se midió la velocidad de la ventana principal.</translation>
    </message>
    <message>
        <source>Temperature</source>
        <translation>Temperatura</translation>
    </message>
    <message>
        <source>Air temperature in degrees Fahrenheit, -150 to 150, on the day the rifle was zeroed.</source>
        <translation>Temperatura del aire en grados Fahrenheit, de -150 a 150, el día en que se puso a cero el rifle.</translation>
    </message>
    <message>
        <source>Pressure</source>
        <translation>Presión</translation>
    </message>
    <message>
        <source>in. Hg</source>
        <translation>in. Hg</translation>
    </message>
    <message>
        <source>The barometer&apos;s reading where the rifle was zeroed, in inches of mercury, 10 to 35: the pressure at the site, not reduced to sea level.</source>
        <translation>La lectura del barómetro donde se puso a cero el rifle, en pulgadas de mercurio, de 10 a 35: la presión en el lugar, sin reducir al nivel del mar.</translation>
    </message>
    <message>
        <source>Humidity</source>
        <translation>Humedad</translation>
    </message>
    <message>
        <source>%</source>
        <translation>%</translation>
    </message>
    <message>
        <source>Relative humidity in percent, 0 to 100, on the day of the zero.</source>
        <translation>Humedad relativa en porcentaje, de 0 a 100, el día de la puesta a cero.</translation>
    </message>
    <message>
        <source>Temperature of the powder in degrees Fahrenheit, -150 to 150, when the rifle was zeroed.</source>
        <translation>Temperatura de la pólvora en grados Fahrenheit, de -150 a 150, cuando se puso a cero el rifle.</translation>
    </message>
    <message>
        <source>A chronograph velocity in feet per second, 1 to 5000, measured at the temperature beside it.</source>
        <translation>Una velocidad de cronógrafo en pies por segundo, de 1 a 5000, medida a la temperatura de al lado.</translation>
    </message>
    <message>
        <source>Powder temperature in degrees Fahrenheit, -150 to 150, of the velocity beside it.</source>
        <translation>Temperatura de la pólvora en grados Fahrenheit, de -150 a 150, de la velocidad de al lado.</translation>
    </message>
    <message>
        <source>A second chronograph velocity in feet per second, 1 to 5000, at another powder temperature.</source>
        <translation>Una segunda velocidad de cronógrafo en pies por segundo, de 1 a 5000, a otra temperatura de la pólvora.</translation>
    </message>
    <message>
        <source>Powder temperature in degrees Fahrenheit, -150 to 150, of the second velocity.</source>
        <translation>Temperatura de la pólvora en grados Fahrenheit, de -150 a 150, de la segunda velocidad.</translation>
    </message>
    <message>
        <source>Velocity of a band in feet per second, 0 to 5000: the band&apos;s coefficient holds at and above it, up to the next faster band.</source>
        <translation>Velocidad de una banda en pies por segundo, de 0 a 5000: el coeficiente de la banda rige desde ella hacia arriba, hasta la siguiente banda más rápida.</translation>
    </message>
    <message>
        <source>Ballistic coefficient of the band, 0.0001 to 2, for the drag function.</source>
        <translation>Coeficiente balístico de la banda, de 0.0001 a 2, para la función de resistencia.</translation>
    </message>
    <message>
        <source>Range in yards, 1 to 100000, up to which this zone&apos;s wind blows (from the zone above); the last zone blows to the end.</source>
        <translation>Distancia en yardas, de 1 a 100000, hasta la que sopla el viento de esta zona (desde la zona de arriba); la última zona sopla hasta el final.</translation>
    </message>
    <message>
        <source>Wind speed of the zone in miles per hour, 0 to 200.</source>
        <translation>Velocidad del viento de la zona en millas por hora, de 0 a 200.</translation>
    </message>
    <message>
        <source>Where the zone&apos;s wind comes from: 0 to 360 degrees clockwise from the target (90 from the right).</source>
        <translation>De dónde viene el viento de la zona: de 0 a 360 grados en sentido horario desde el blanco (90 desde la derecha).</translation>
    </message>
    <message>
        <source>Adjusted Velocity</source>
        <translation>Velocidad corregida</translation>
    </message>
    <message>
        <source>f.p.s.</source>
        <translation>f.p.s.</translation>
    </message>
    <message>
        <source>Near Velocity</source>
        <translation>Velocidad cercana</translation>
    </message>
    <message>
        <source>fps</source>
        <translation>fps</translation>
    </message>
    <message>
        <source>Velocity measured at the chronograph nearer the muzzle, in feet per second, 1 to 5000.</source>
        <translation>Velocidad medida en el cronógrafo más cercano a la boca, en pies por segundo, de 1 a 5000.</translation>
    </message>
    <message>
        <source>Far Velocity</source>
        <translation>Velocidad lejana</translation>
    </message>
    <message>
        <source>Velocity measured at the chronograph farther down range, in feet per second, 0 to 5000; it must be lower than the near velocity.</source>
        <translation>Velocidad medida en el cronógrafo más alejado, en pies por segundo, de 0 a 5000; debe ser menor que la velocidad cercana.</translation>
    </message>
    <message>
        <source>Distance</source>
        <translation>Distancia</translation>
    </message>
    <message>
        <source>ft</source>
        <translation>ft</translation>
    </message>
    <message>
        <source>Distance between the two chronographs in feet, a whole number from 1 to 5000.</source>
        <translation>Distancia entre los dos cronógrafos en pies, un número entero de 1 a 5000.</translation>
    </message>
    <message>
        <source>Target Diameter</source>
        <translation>Diámetro del blanco</translation>
    </message>
    <message>
        <source>Diameter of the vital zone in inches, 0.01 to 100; the bullet may rise or fall half of it from the line of sight.</source>
        <translation>Diámetro de la zona vital en pulgadas, de 0.01 a 100; la bala puede subir o bajar la mitad de él respecto a la línea de mira.</translation>
    </message>
    <message>
        <source>Optimum Point Blank Zero</source>
        <translation>Cero óptimo de punto en blanco</translation>
    </message>
    <message>
        <source>Minumum Point Blank Range</source>
        <translation>Punto en blanco mínimo</translation>
    </message>
    <message>
        <source>Maximum Point Blank Range</source>
        <translation>Punto en blanco máximo</translation>
    </message>
    <message>
        <source>Velocity</source>
        <translation>Velocidad</translation>
    </message>
    <message>
        <source>Bullet velocity in feet per second, 0 or more.</source>
        <translation>Velocidad de la bala en pies por segundo, 0 o más.</translation>
    </message>
    <message>
        <source>Weight</source>
        <translation>Peso</translation>
    </message>
    <message>
        <source>grains</source>
        <translation>granos</translation>
    </message>
    <message>
        <source>Bullet weight in grains, 0 or more.</source>
        <translation>Peso de la bala en granos, 0 o más.</translation>
    </message>
    <message>
        <source>Energy</source>
        <translation>Energía</translation>
    </message>
    <message>
        <source>ft.lbs.</source>
        <translation>ft.lbs.</translation>
    </message>
    <message>
        <source>Bullet energy in foot-pounds, 0 or more.</source>
        <translation>Energía de la bala en libras-pie, 0 o más.</translation>
    </message>
    <message>
        <source>Power Factor</source>
        <translation>Factor de potencia</translation>
    </message>
    <message>
        <source>Power factor: weight in grains times velocity in feet per second, divided by 1000.</source>
        <translation>Factor de potencia: peso en granos por velocidad en pies por segundo, dividido entre 1000.</translation>
    </message>
    <message>
        <source>Gun Weight</source>
        <translation>Peso del arma</translation>
    </message>
    <message>
        <source>ounces</source>
        <translation>onzas</translation>
    </message>
    <message>
        <source>Weight of the gun in ounces, 1 to 1000 (16 ounces make a pound).</source>
        <translation>Peso del arma en onzas, de 1 a 1000 (16 onzas son una libra).</translation>
    </message>
    <message>
        <source>Powder Weight</source>
        <translation>Peso de la pólvora</translation>
    </message>
    <message>
        <source>Weight of the powder charge in grains, 0 to 200.</source>
        <translation>Peso de la carga de pólvora en granos, de 0 a 200.</translation>
    </message>
    <message>
        <source>Recoil Energy</source>
        <translation>Energía de retroceso</translation>
    </message>
    <message>
        <source>Energy of the gun&apos;s recoil in foot-pounds.</source>
        <translation>Energía del retroceso del arma en libras-pie.</translation>
    </message>
    <message>
        <source>Terminal Range</source>
        <translation>Alcance final</translation>
    </message>
    <message>
        <source>yards</source>
        <translation>yardas</translation>
    </message>
    <message>
        <source>Firing Elevation  (deg.)</source>
        <translation>Elevación de tiro  (°)</translation>
    </message>
    <message>
        <source>Maximum Height</source>
        <translation>Altura máxima</translation>
    </message>
    <message>
        <source>feet</source>
        <translation>pies</translation>
    </message>
    <message>
        <source>Terminal Velocity</source>
        <translation>Velocidad final</translation>
    </message>
    <message>
        <source>ft/sec</source>
        <translation>ft/sec</translation>
    </message>
    <message>
        <source>Terminal Energy</source>
        <translation>Energía final</translation>
    </message>
    <message>
        <source>ft-lbs</source>
        <translation>ft-lbs</translation>
    </message>
    <message>
        <source>Time of Flight (sec.s)</source>
        <translation>Tiempo de vuelo (s)</translation>
    </message>
    <message>
        <source>velocity</source>
        <translation>velocidad</translation>
    </message>
    <message>
        <source>BC</source>
        <translation>CB</translation>
    </message>
    <message>
        <source>range</source>
        <translation>distancia</translation>
    </message>
    <message>
        <source>speed</source>
        <translation>velocidad</translation>
    </message>
    <message>
        <source>direction</source>
        <translation>dirección</translation>
    </message>
    <message>
        <source>Chronograph Velocity</source>
        <translation>Velocidad del cronógrafo</translation>
    </message>
    <message>
        <source>BC Band Velocity</source>
        <translation>Velocidad de la banda de CB</translation>
    </message>
    <message>
        <source>Wind Zone Range</source>
        <translation>Distancia de la zona de viento</translation>
    </message>
    <message>
        <source>yd.</source>
        <translation>yd.</translation>
    </message>
    <message>
        <source>Wind Zone Speed</source>
        <translation>Velocidad del viento de la zona</translation>
    </message>
    <message>
        <source>BC Bands: from</source>
        <translation>Bandas de CB: desde</translation>
    </message>
    <message>
        <source>To</source>
        <translation>Hasta</translation>
    </message>
</context>
<context>
    <name>SightPicture</name>
    <message>
        <source>first focal plane</source>
        <translation>primer plano focal</translation>
    </message>
    <message>
        <source>%1x, true at %2x</source>
        <translation>%1x, exacta a %2x</translation>
    </message>
    <message>
        <source>the shot&apos;s wind</source>
        <translation>viento del disparo</translation>
    </message>
    <message>
        <source>shot</source>
        <translation>disparo</translation>
    </message>
</context>
<context>
    <name>TableDialogs</name>
    <message>
        <source>Save As</source>
        <translation>Guardar como</translation>
    </message>
    <message>
        <source>Text Files (*.txt)</source>
        <translation>Archivos de texto (*.txt)</translation>
    </message>
    <message>
        <source>Export CSV</source>
        <translation>Exportar CSV</translation>
    </message>
    <message>
        <source>CSV Files (*.csv)</source>
        <translation>Archivos CSV (*.csv)</translation>
    </message>
    <message>
        <source>Export Field Card</source>
        <translation>Exportar tarjeta de tiro</translation>
    </message>
    <message>
        <source>Field Cards (*.pdf *.svg *.png)</source>
        <translation>Tarjetas de tiro (*.pdf *.svg *.png)</translation>
    </message>
</context>
<context>
    <name>Theme</name>
    <message>
        <source>&amp;Theme</source>
        <translation>T&amp;ema</translation>
    </message>
    <message>
        <source>&amp;System</source>
        <translation>&amp;Sistema</translation>
    </message>
    <message>
        <source>&amp;Light</source>
        <translation>&amp;Claro</translation>
    </message>
    <message>
        <source>&amp;Dark</source>
        <translation>&amp;Oscuro</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>vorlan needs a graphical display (X or Wayland: DISPLAY or WAYLAND_DISPLAY) and found none.
vorlan-cli computes the same tables and calculations without one.
</source>
        <translation>vorlan necesita una pantalla gráfica (X o Wayland: DISPLAY o WAYLAND_DISPLAY) y no ha encontrado ninguna.
vorlan-cli calcula las mismas tablas y cálculos sin ella.
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
        <translation>Uso: vorlan [QT-OPTIONS] [SHOT.vxf]
La calculadora de balística exterior Vorlan: un disparo por ventana, su tabla balística, gráfico y
cálculos complementarios.

  SHOT.vxf     un archivo de disparo que se abre tras leer la configuración
  QT-OPTIONS   las opciones estándar de los programas Qt (-platform NAME, -style NAME, ...)
  --help       muestra esta ayuda y termina
  --version    muestra la versión y termina

El programa de línea de órdenes vorlan-cli hace los mismos cálculos sin ventana.
</translation>
    </message>
</context>
<context>
    <name>vorlan::CAboutDlg</name>
    <message>
        <source>Exterior ballistics and range tables for small arms and airguns</source>
        <translation>Balística exterior y tablas balísticas para armas portátiles y de aire comprimido</translation>
    </message>
    <message>
        <source>Copyright (C) 2026 the Vorlan developers</source>
        <translation>Copyright (C) 2026 los desarrolladores de Vorlan</translation>
    </message>
    <message>
        <source>About Vorlan</source>
        <translation>Acerca de Vorlan</translation>
    </message>
    <message>
        <source>Vorlan Version %1</source>
        <translation>Vorlan versión %1</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
</context>
<context>
    <name>vorlan::CAdvancedDlg</name>
    <message>
        <source>BC band %1</source>
        <translation>Banda de CB %1</translation>
    </message>
    <message>
        <source>BC</source>
        <translation>CB</translation>
    </message>
    <message>
        <source>%1 needs its %2: please enter a number, or clear the row.</source>
        <translation>A %1 le falta su %2: introduzca un número o vacíe la fila.</translation>
    </message>
    <message>
        <source>Wind zone %1</source>
        <translation>Zona de viento %1</translation>
    </message>
    <message>
        <source>Table of %1 points</source>
        <translation>Tabla de %1 puntos</translation>
    </message>
    <message>
        <source>No table loaded</source>
        <translation>Ninguna tabla cargada</translation>
    </message>
    <message>
        <source>Load Drag Table</source>
        <translation>Cargar tabla de resistencia</translation>
    </message>
    <message>
        <source>CSV Files (*.csv)</source>
        <translation>Archivos CSV (*.csv)</translation>
    </message>
    <message>
        <source>All Files (*)</source>
        <translation>Todos los archivos (*)</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>%1: table of %2 points</source>
        <translation>%1: tabla de %2 puntos</translation>
    </message>
    <message>
        <source>Please enter two different powder temperatures.</source>
        <translation>Introduzca dos temperaturas de la pólvora distintas.</translation>
    </message>
    <message>
        <source>The caliber names no diameter: enter Bullet Diameter.</source>
        <translation>El calibre no indica ningún diámetro: introduzca el diámetro de la bala.</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Cerrar</translation>
    </message>
    <message>
        <source>Advanced</source>
        <translation>Avanzado</translation>
    </message>
    <message>
        <source>Diameter in use: %1 (%2)</source>
        <translation>Diámetro en uso: %1 (%2)</translation>
    </message>
    <message>
        <source>in.</source>
        <translation>in.</translation>
    </message>
    <message>
        <source>Degrees</source>
        <translation>Grados</translation>
    </message>
    <message>
        <source>Clock</source>
        <translation>Reloj</translation>
    </message>
    <message>
        <source>Wind</source>
        <translation>Viento</translation>
    </message>
    <message>
        <source>Left-Hand Twist</source>
        <translation>Estriado a izquierdas</translation>
    </message>
    <message>
        <source>Aerodynamic Jump</source>
        <translation>Salto aerodinámico</translation>
    </message>
    <message>
        <source>Stability Factor (Sg)</source>
        <translation>Factor de estabilidad (Sg)</translation>
    </message>
    <message>
        <source>Spin</source>
        <translation>Giro</translation>
    </message>
    <message>
        <source>Earth&apos;s Rotation (Coriolis)</source>
        <translation>Rotación de la Tierra (Coriolis)</translation>
    </message>
    <message>
        <source>Coriolis</source>
        <translation>Coriolis</translation>
    </message>
    <message>
        <source>Compute</source>
        <translation>Calcular</translation>
    </message>
    <message>
        <source>From Two Chronograph Readings</source>
        <translation>A partir de dos lecturas de cronógrafo</translation>
    </message>
    <message>
        <source>Powder</source>
        <translation>Pólvora</translation>
    </message>
    <message>
        <source>Custom</source>
        <translation>Personalizada</translation>
    </message>
    <message>
        <source>Load CSV...</source>
        <translation>Cargar CSV...</translation>
    </message>
    <message>
        <source>Drag</source>
        <translation>Resistencia</translation>
    </message>
    <message>
        <source>From (deg.)</source>
        <translation>Desde (°)</translation>
    </message>
    <message>
        <source>Wind Zones</source>
        <translation>Zonas de viento</translation>
    </message>
    <message>
        <source>Zero in These Conditions</source>
        <translation>Cero en estas condiciones</translation>
    </message>
    <message>
        <source>Zero Conditions</source>
        <translation>Condiciones del cero</translation>
    </message>
    <message>
        <source>Fit the velocity and the drag to the holds observed at real ranges.</source>
        <translation>Ajusta la velocidad y la resistencia a las correcciones observadas a distancias reales.</translation>
    </message>
    <message>
        <source>&amp;Truing...</source>
        <translation>Ca&amp;libración...</translation>
    </message>
    <message>
        <source>Truing</source>
        <translation>Calibración</translation>
    </message>
    <message>
        <source>at</source>
        <translation>a</translation>
    </message>
</context>
<context>
    <name>vorlan::CColorDlg</name>
    <message>
        <source>Dialog Color</source>
        <translation>Color del diálogo</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Guardar</translation>
    </message>
    <message>
        <source>Revert</source>
        <translation>Revertir</translation>
    </message>
    <message>
        <source>Red</source>
        <translation>Rojo</translation>
    </message>
    <message>
        <source>Green</source>
        <translation>Verde</translation>
    </message>
    <message>
        <source>Blue</source>
        <translation>Azul</translation>
    </message>
</context>
<context>
    <name>vorlan::CColorMsgBox</name>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Invalid Entry</source>
        <translation>Entrada no válida</translation>
    </message>
</context>
<context>
    <name>vorlan::CComputeBC</name>
    <message>
        <source>The two velocities are equal: there is no loss to measure.</source>
        <translation>Las dos velocidades son iguales: no hay pérdida que medir.</translation>
    </message>
    <message>
        <source>The far velocity is above the near one: no coefficient slows a bullet that way.</source>
        <translation>La velocidad lejana es mayor que la cercana: ningún coeficiente frena así una bala.</translation>
    </message>
    <message>
        <source>The loss is too small over this distance: the coefficient would be above 1.</source>
        <translation>La pérdida es demasiado pequeña en esta distancia: el coeficiente sería mayor que 1.</translation>
    </message>
    <message>
        <source>These readings give no usable coefficient.</source>
        <translation>Estas lecturas no dan un coeficiente utilizable.</translation>
    </message>
    <message>
        <source>Compute Ballistic Coefficient</source>
        <translation>Calcular coeficiente balístico</translation>
    </message>
    <message>
        <source>New BC</source>
        <translation>Nuevo CB</translation>
    </message>
    <message>
        <source>Set New BC</source>
        <translation>Aplicar nuevo CB</translation>
    </message>
    <message>
        <source>Compute</source>
        <translation>Calcular</translation>
    </message>
    <message>
        <source>New BC  (%1)</source>
        <translation>Nuevo CB  (%1)</translation>
    </message>
</context>
<context>
    <name>vorlan::CComputeOPBZ</name>
    <message>
        <source>Compute Optimum Point Blank Zero (OPBZ)</source>
        <translation>Calcular cero óptimo de punto en blanco (OPBZ)</translation>
    </message>
    <message>
        <source>Compute</source>
        <translation>Calcular</translation>
    </message>
</context>
<context>
    <name>vorlan::CEVWCalculations</name>
    <message>
        <source>Energy from Velocity and Weight</source>
        <translation>Energía a partir de velocidad y peso</translation>
    </message>
    <message>
        <source>Velocity from Weight and Energy</source>
        <translation>Velocidad a partir de peso y energía</translation>
    </message>
    <message>
        <source>Weight from Velocity and Energy</source>
        <translation>Peso a partir de velocidad y energía</translation>
    </message>
    <message>
        <source>Energy, Velocity and Weight Calculations</source>
        <translation>Cálculos de energía, velocidad y peso</translation>
    </message>
    <message>
        <source>Calculate</source>
        <translation>Calcular</translation>
    </message>
</context>
<context>
    <name>vorlan::CFieldCardDlg</name>
    <message>
        <source>Left out to keep the type at %1 pt or more: %2. Choose fewer columns or a larger card.</source>
        <translation>Omitido para mantener la letra en %1 pt o más: %2. Elija menos columnas o una tarjeta mayor.</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Ninguna</translation>
    </message>
    <message>
        <source>The holds of the card&apos;s rows and winds drawn on a reticle, beside the table (pocket and half cards)</source>
        <translation>Las correcciones de las filas y vientos de la tarjeta dibujadas sobre una retícula, junto a la tabla (tarjetas de bolsillo y de media página)</translation>
    </message>
    <message>
        <source>Sight picture</source>
        <translation>Imagen de retícula</translation>
    </message>
    <message>
        <source>&amp;Sight Picture...</source>
        <translation>Imagen de re&amp;tícula...</translation>
    </message>
    <message>
        <source>Field Card - %1</source>
        <translation>Tarjeta de tiro - %1</translation>
    </message>
    <message>
        <source>from:to:step</source>
        <translation>desde:hasta:paso</translation>
    </message>
    <message>
        <source>Gong 1 = 327
Ridge = 612</source>
        <translation>Gong 1 = 327
Loma = 612</translation>
    </message>
    <message>
        <source>none</source>
        <translation>ninguna</translation>
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
        <translation>Imperial</translation>
    </message>
    <message>
        <source>Metric</source>
        <translation>Métrico</translation>
    </message>
    <message>
        <source>Velocity</source>
        <translation>Velocidad</translation>
    </message>
    <message>
        <source>Time of flight</source>
        <translation>Tiempo de vuelo</translation>
    </message>
    <message>
        <source>Energy</source>
        <translation>Energía</translation>
    </message>
    <message>
        <source>One card</source>
        <translation>Una tarjeta</translation>
    </message>
    <message>
        <source>Several on letter</source>
        <translation>Varias en carta</translation>
    </message>
    <message>
        <source>Several on A4</source>
        <translation>Varias en A4</translation>
    </message>
    <message>
        <source>Ranges (from:to:step)</source>
        <translation>Distancias (desde:hasta:paso)</translation>
    </message>
    <message>
        <source>Targets (name = range)</source>
        <translation>Blancos (nombre = distancia)</translation>
    </message>
    <message>
        <source>Winds</source>
        <translation>Vientos</translation>
    </message>
    <message>
        <source>Temperatures</source>
        <translation>Temperaturas</translation>
    </message>
    <message>
        <source>Elevation and wind in</source>
        <translation>Elevación y viento en</translation>
    </message>
    <message>
        <source>Units</source>
        <translation>Unidades</translation>
    </message>
    <message>
        <source>Also</source>
        <translation>Incluir</translation>
    </message>
    <message>
        <source>Card</source>
        <translation>Tarjeta</translation>
    </message>
    <message>
        <source>Sheet</source>
        <translation>Hoja</translation>
    </message>
    <message>
        <source>&amp;Print...</source>
        <translation>Im&amp;primir...</translation>
    </message>
    <message>
        <source>Print Pre&amp;view</source>
        <translation>V&amp;ista previa</translation>
    </message>
    <message>
        <source>P&amp;rint Setup...</source>
        <translation>Configu&amp;rar impresión...</translation>
    </message>
    <message>
        <source>&amp;Export...</source>
        <translation>E&amp;xportar...</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
    <message>
        <source>Pocket</source>
        <translation>Bolsillo</translation>
    </message>
    <message>
        <source>Half page</source>
        <translation>Media página</translation>
    </message>
    <message>
        <source>Full page</source>
        <translation>Página completa</translation>
    </message>
    <message>
        <source>Strip</source>
        <translation>Tira</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <source>Up to three, deg. C</source>
        <translation>Hasta tres, °C</translation>
    </message>
    <message>
        <source>Up to three, deg. F</source>
        <translation>Hasta tres, °F</translation>
    </message>
    <message>
        <source>The field card could not be saved to &quot;%1&quot;.
%2</source>
        <translation>No se pudo guardar la tarjeta de tiro en &quot;%1&quot;.
%2</translation>
    </message>
    <message>
        <source>%1, full value from the right</source>
        <translation>%1, de pleno valor desde la derecha</translation>
    </message>
</context>
<context>
    <name>vorlan::CHitProbabilityDlg</name>
    <message>
        <source>From C&amp;hronograph...</source>
        <translation>Del cronógra&amp;fo...</translation>
    </message>
    <message>
        <source>Muzzle &amp;velocity SD</source>
        <translation>DE de la &amp;velocidad en boca</translation>
    </message>
    <message>
        <source>&amp;BC SD</source>
        <translation>DE del &amp;CB</translation>
    </message>
    <message>
        <source>&amp;Range estimate SD</source>
        <translation>DE de la estimación de &amp;distancia</translation>
    </message>
    <message>
        <source>&amp;Wind call SD</source>
        <translation>DE de la lectura del vie&amp;nto</translation>
    </message>
    <message>
        <source>Wind &amp;direction SD</source>
        <translation>DE de la d&amp;irección del viento</translation>
    </message>
    <message>
        <source>&amp;Precision</source>
        <translation>&amp;Precisión</translation>
    </message>
    <message>
        <source>&amp;Cant SD</source>
        <translation>DE del &amp;ladeo</translation>
    </message>
    <message>
        <source>&amp;Target</source>
        <translation>&amp;Blanco</translation>
    </message>
    <message>
        <source>&amp;Ethical P(hit)</source>
        <translation>P(impacto) é&amp;tica</translation>
    </message>
    <message>
        <source>&amp;Samples</source>
        <translation>&amp;Muestras</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
    <message>
        <source>Si&amp;ght Picture...</source>
        <translation>Ima&amp;gen de retícula...</translation>
    </message>
    <message>
        <source>Groups of %1 shots measuring %2 MOA from centre to centre, on average, are a spread of %3 MOA per axis: the mean extreme spread of %1 shots is %4 standard deviations.</source>
        <translation>Agrupaciones de %1 disparos que miden de media %2 MOA de centro a centro equivalen a una dispersión de %3 MOA por eje: la dispersión extrema media de %1 disparos es de %4 desviaciones estándar.</translation>
    </message>
    <message>
        <source>The table has no range to count hits at.</source>
        <translation>La tabla no tiene ninguna distancia en la que contar impactos.</translation>
    </message>
    <message>
        <source>Counting...</source>
        <translation>Contando...</translation>
    </message>
    <message>
        <source>%1 sampled</source>
        <translation>%1 (muestreo)</translation>
    </message>
    <message>
        <source>Error budget, in %1 ms.</source>
        <translation>Balance de errores, en %1 ms.</translation>
    </message>
    <message>
        <source>Error budget, in %1 ms; %2 of %3 ranges sampled (%4 samples, seed %5), the impact being far from linear there.</source>
        <translation>Balance de errores, en %1 ms; %2 de %3 distancias por muestreo (%4 muestras, semilla %5), al estar el impacto lejos de ser lineal en ellas.</translation>
    </message>
    <message>
        <source>No input alone makes a miss.</source>
        <translation>Ningún dato provoca por sí solo un fallo.</translation>
    </message>
    <message>
        <source> ± %1 %</source>
        <translation> ± %1 %</translation>
    </message>
    <message>
        <source>%1: &quot;%2&quot; is not a number.</source>
        <translation>%1: &quot;%2&quot; no es un número.</translation>
    </message>
    <message>
        <source>Hit Probability - %1</source>
        <translation>Probabilidad de impacto - %1</translation>
    </message>
    <message>
        <source>No spread is set: assumed are the typical spreads of a practised rifleman (velocity %1 %2, coefficient 2 %, range 3 %, wind call %3 %4, precision 0.5 MOA). OK keeps them with the shot.</source>
        <translation>No hay dispersión indicada: se suponen las dispersiones típicas de un tirador con práctica (velocidad %1 %2, coeficiente 2 %, distancia 3 %, lectura del viento %3 %4, precisión 0.5 MOA). Aceptar las guarda con el disparo.</translation>
    </message>
    <message>
        <source>Ethical P(hit)</source>
        <translation>P(impacto) ética</translation>
    </message>
    <message>
        <source>Ethical P(hit): a percentage from 0 to 100.</source>
        <translation>P(impacto) ética: un porcentaje de 0 a 100.</translation>
    </message>
    <message>
        <source>Samples</source>
        <translation>Muestras</translation>
    </message>
    <message>
        <source>Samples: a whole number from %1 to %2.</source>
        <translation>Muestras: un número entero de %1 a %2.</translation>
    </message>
    <message>
        <source>Muzzle velocity SD</source>
        <translation>DE de la velocidad en boca</translation>
    </message>
    <message>
        <source>Range estimate SD</source>
        <translation>DE de la estimación de distancia</translation>
    </message>
    <message>
        <source>Wind call SD</source>
        <translation>DE de la lectura del viento</translation>
    </message>
    <message>
        <source>BC SD</source>
        <translation>DE del CB</translation>
    </message>
    <message>
        <source>Wind direction SD</source>
        <translation>DE de la dirección del viento</translation>
    </message>
    <message>
        <source>Cant SD</source>
        <translation>DE del ladeo</translation>
    </message>
    <message>
        <source>Precision</source>
        <translation>Precisión</translation>
    </message>
    <message>
        <source>Shots in the group</source>
        <translation>Disparos de la agrupación</translation>
    </message>
    <message>
        <source>Shots in the group: a group of 2 to 10 shots.</source>
        <translation>Disparos de la agrupación: una agrupación de 2 a 10 disparos.</translation>
    </message>
    <message>
        <source>Target width</source>
        <translation>Ancho del blanco</translation>
    </message>
    <message>
        <source>Target height</source>
        <translation>Alto del blanco</translation>
    </message>
    <message>
        <source>Target: give its size in inches.</source>
        <translation>Blanco: indique su tamaño en pulgadas.</translation>
    </message>
    <message>
        <source>Target: give its size in %1.</source>
        <translation>Blanco: indique su tamaño en %1.</translation>
    </message>
    <message>
        <source>P(hit) at %1: %2 %</source>
        <translation>P(impacto) a %1: %2 %</translation>
    </message>
    <message>
        <source>P(hit) at %1: beyond the table</source>
        <translation>P(impacto) a %1: más allá de la tabla</translation>
    </message>
    <message>
        <source>Farthest ethical range: %1 (P(hit) stays at or above %2 % up to it).</source>
        <translation>Distancia ética máxima: %1 (P(impacto) se mantiene en %2 % o más hasta ella).</translation>
    </message>
    <message>
        <source>Farthest ethical range: none (P(hit) is below %1 % at %2 already).</source>
        <translation>Distancia ética máxima: ninguna (P(impacto) ya es inferior a %1 % a %2).</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <translation>%1 %2</translation>
    </message>
    <message>
        <source>Standard deviation of the muzzle velocity from shot to shot</source>
        <translation>Desviación estándar de la velocidad en boca de un disparo a otro</translation>
    </message>
    <message>
        <source>How well the ballistic coefficient is known, in percent of it</source>
        <translation>Con qué exactitud se conoce el coeficiente balístico, en porcentaje de su valor</translation>
    </message>
    <message>
        <source>Standard deviation of the range estimate</source>
        <translation>Desviación estándar de la estimación de distancia</translation>
    </message>
    <message>
        <source>Standard deviation of the wind call&apos;s speed</source>
        <translation>Desviación estándar de la velocidad en la lectura del viento</translation>
    </message>
    <message>
        <source>Standard deviation of the wind call&apos;s direction</source>
        <translation>Desviación estándar de la dirección en la lectura del viento</translation>
    </message>
    <message>
        <source>The rifle and shooter&apos;s spread of shots at the same aim</source>
        <translation>La dispersión de los disparos del rifle y el tirador con la misma puntería</translation>
    </message>
    <message>
        <source>Shots in each group measured (2 to 10)</source>
        <translation>Disparos de cada agrupación medida (de 2 a 10)</translation>
    </message>
    <message>
        <source>Standard deviation of the rifle&apos;s cant at the shot</source>
        <translation>Desviación estándar del ladeo del rifle al disparar</translation>
    </message>
    <message>
        <source>The diameter of the circle (the OPBZ vital zone unless set), or the width</source>
        <translation>El diámetro del círculo (la zona vital de OPBZ si no se indica), o el ancho</translation>
    </message>
    <message>
        <source>The height of the rectangle</source>
        <translation>La altura del rectángulo</translation>
    </message>
    <message>
        <source>The P(hit) an ethical shot must reach</source>
        <translation>La P(impacto) que debe alcanzar un disparo ético</translation>
    </message>
    <message>
        <source>Sampled shots where the error budget falls back to samples: more shrink the error as one over their square root</source>
        <translation>Disparos simulados donde el balance de errores recurre al muestreo: más muestras reducen el error como uno entre su raíz cuadrada</translation>
    </message>
    <message>
        <source>% of range</source>
        <translation>% de la distancia</translation>
    </message>
    <message>
        <source>MOA, SD per axis</source>
        <translation>MOA, DE por eje</translation>
    </message>
    <message>
        <source>MOA group of</source>
        <translation>MOA, agrupación de</translation>
    </message>
    <message>
        <source>Circle</source>
        <translation>Círculo</translation>
    </message>
    <message>
        <source>Rectangle</source>
        <translation>Rectángulo</translation>
    </message>
    <message>
        <source>shots</source>
        <translation>disparos</translation>
    </message>
    <message>
        <source>x</source>
        <translation>x</translation>
    </message>
    <message>
        <source>deg.</source>
        <translation>°</translation>
    </message>
    <message>
        <source>P(hit) %</source>
        <translation>P(impacto) %</translation>
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
        <translation>Distancia (m)</translation>
    </message>
    <message>
        <source>Range (yd)</source>
        <translation>Distancia (yd)</translation>
    </message>
</context>
<context>
    <name>vorlan::CLibraryDlg</name>
    <message>
        <source>Library</source>
        <translation>Biblioteca</translation>
    </message>
    <message>
        <source>&amp;Folder...</source>
        <translation>Car&amp;peta...</translation>
    </message>
    <message>
        <source>Filter: any text shown</source>
        <translation>Filtro: cualquier texto mostrado</translation>
    </message>
    <message>
        <source>Fil&amp;ter:</source>
        <translation>Fil&amp;tro:</translation>
    </message>
    <message>
        <source>&amp;Open</source>
        <translation>&amp;Abrir</translation>
    </message>
    <message>
        <source>&amp;Save Current Shot...</source>
        <translation>&amp;Guardar disparo actual...</translation>
    </message>
    <message>
        <source>&amp;Duplicate</source>
        <translation>&amp;Duplicar</translation>
    </message>
    <message>
        <source>&amp;Rename...</source>
        <translation>&amp;Renombrar...</translation>
    </message>
    <message>
        <source>&amp;Move to Rifle...</source>
        <translation>&amp;Mover a rifle...</translation>
    </message>
    <message>
        <source>De&amp;lete</source>
        <translation>&amp;Eliminar</translation>
    </message>
    <message>
        <source>&amp;Import...</source>
        <translation>&amp;Importar...</translation>
    </message>
    <message>
        <source>&amp;Export...</source>
        <translation>E&amp;xportar...</translation>
    </message>
    <message>
        <source>From C&amp;hronograph...</source>
        <translation>Del cronógra&amp;fo...</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Cerrar</translation>
    </message>
    <message numerus="yes">
        <source>%n file(s) could not be read: %1</source>
        <translation>
            <numerusform>No se pudo leer %n archivo: %1</numerusform>
            <numerusform>No se pudieron leer %n archivos: %1</numerusform>
        </translation>
    </message>
    <message>
        <source>A7P Profiles (*.a7p)</source>
        <translation>Perfiles A7P (*.a7p)</translation>
    </message>
    <message>
        <source>Opened &quot;%1&quot; in the main window.</source>
        <translation>&quot;%1&quot; abierto en la ventana principal.</translation>
    </message>
    <message>
        <source>Save Current Shot</source>
        <translation>Guardar disparo actual</translation>
    </message>
    <message>
        <source>Not saved: %1</source>
        <translation>No guardado: %1</translation>
    </message>
    <message>
        <source>(no rifle)</source>
        <translation>(sin rifle)</translation>
    </message>
    <message>
        <source>&quot;%1&quot; of %2 is in the library already. Replace it with the shot on screen?</source>
        <translation>&quot;%1&quot; de %2 ya está en la biblioteca. ¿Reemplazarlo por el disparo en pantalla?</translation>
    </message>
    <message>
        <source>Saved &quot;%1&quot;.</source>
        <translation>&quot;%1&quot; guardado.</translation>
    </message>
    <message>
        <source>Duplicated as &quot;%1&quot;.</source>
        <translation>Duplicado como &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>Rename</source>
        <translation>Renombrar</translation>
    </message>
    <message>
        <source>Not renamed: a load needs a name.</source>
        <translation>No renombrado: una carga necesita un nombre.</translation>
    </message>
    <message>
        <source>Not renamed: %1</source>
        <translation>No renombrado: %1</translation>
    </message>
    <message>
        <source>Renamed to &quot;%1&quot;.</source>
        <translation>Renombrado como &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>Move to Rifle</source>
        <translation>Mover a rifle</translation>
    </message>
    <message>
        <source>Not moved: %1</source>
        <translation>No movido: %1</translation>
    </message>
    <message>
        <source>Moved to (no rifle).</source>
        <translation>Movido a (sin rifle).</translation>
    </message>
    <message>
        <source>Moved to %1.</source>
        <translation>Movido a %1.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; moved to the trash.</source>
        <translation>&quot;%1&quot; movido a la papelera.</translation>
    </message>
    <message>
        <source>Import</source>
        <translation>Importar</translation>
    </message>
    <message>
        <source>Shot Files and Profiles (*.vxf *.a7p)</source>
        <translation>Archivos de disparo y perfiles (*.vxf *.a7p)</translation>
    </message>
    <message>
        <source>Imported &quot;%1&quot; as &quot;%2&quot;.</source>
        <translation>&quot;%1&quot; importado como &quot;%2&quot;.</translation>
    </message>
    <message>
        <source>These fields of the profile have no place in a shot; the load keeps them for its export:
%1</source>
        <translation>Estos campos del perfil no tienen cabida en un disparo; la carga los conserva para su exportación:
%1</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>Exportar</translation>
    </message>
    <message>
        <source>Exported to &quot;%1&quot;.</source>
        <translation>Exportado a &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; takes a muzzle velocity of %2 ft/s and an MV SD of %3 ft/s.</source>
        <translation>&quot;%1&quot; toma una velocidad en boca de %2 ft/s y una DE de V0 de %3 ft/s.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; takes an MV SD of %2 ft/s.</source>
        <translation>&quot;%1&quot; toma una DE de V0 de %2 ft/s.</translation>
    </message>
    <message>
        <source>Library Folder</source>
        <translation>Carpeta de la biblioteca</translation>
    </message>
    <message>
        <source>The folder could not be remembered in &quot;%1&quot;: %2</source>
        <translation>No se pudo guardar la carpeta en &quot;%1&quot;: %2</translation>
    </message>
    <message>
        <source>VXF Files (*.vxf)</source>
        <translation>Archivos VXF (*.vxf)</translation>
    </message>
</context>
<context>
    <name>vorlan::CMaximumRangeDlg</name>
    <message>
        <source>Compute Maximum Range</source>
        <translation>Calcular alcance máximo</translation>
    </message>
    <message>
        <source>(G1 Drag)</source>
        <translation>(resistencia G1)</translation>
    </message>
    <message>
        <source>Maximum Distance</source>
        <translation>Distancia máxima</translation>
    </message>
    <message>
        <source>Maximum Height</source>
        <translation>Altura máxima</translation>
    </message>
    <message>
        <source>(%1 Drag Function)</source>
        <translation>(función de resistencia %1)</translation>
    </message>
</context>
<context>
    <name>vorlan::CShoot</name>
    <message>
        <source>Shot Comparison Results</source>
        <translation>Resultados de la comparación de disparos</translation>
    </message>
    <message>
        <source>&amp;Chart</source>
        <translation>&amp;Gráfico</translation>
    </message>
    <message>
        <source>Relative Drop (in.)</source>
        <translation>Caída relativa (in.)</translation>
    </message>
    <message>
        <source>Relative Drop (%1)</source>
        <translation>Caída relativa (%1)</translation>
    </message>
    <message>
        <source>Relative Drift (in.)</source>
        <translation>Deriva relativa (in.)</translation>
    </message>
    <message>
        <source>Relative Drift (%1)</source>
        <translation>Deriva relativa (%1)</translation>
    </message>
    <message>
        <source>Target Range (yards)</source>
        <translation>Distancia al blanco (yardas)</translation>
    </message>
    <message>
        <source>Target Range (%1)</source>
        <translation>Distancia al blanco (%1)</translation>
    </message>
    <message>
        <source>Baseline Gun/Projectile/Shot Name</source>
        <translation>Nombre arma/proyectil/disparo de referencia</translation>
    </message>
    <message>
        <source>Current Gun/Projectile/Shot Name</source>
        <translation>Nombre arma/proyectil/disparo actual</translation>
    </message>
</context>
<context>
    <name>vorlan::CSightPictureDlg</name>
    <message>
        <source>Sight Picture - %1</source>
        <translation>Imagen de retícula - %1</translation>
    </message>
    <message>
        <source>Reticle &amp;File...</source>
        <translation>Arc&amp;hivo de retícula...</translation>
    </message>
    <message>
        <source>as the reticle is made</source>
        <translation>tal como está hecha la retícula</translation>
    </message>
    <message>
        <source>A magnification here makes the reticle second focal plane, true at it</source>
        <translation>Unos aumentos aquí hacen la retícula de segundo plano focal, exacta a ellos</translation>
    </message>
    <message>
        <source>Dial the elevation, hold the wind</source>
        <translation>Elevación en torreta, viento en retícula</translation>
    </message>
    <message>
        <source>Hold everything</source>
        <translation>Todo en retícula</translation>
    </message>
    <message>
        <source>Dial the zero at a range, hold the rest</source>
        <translation>Cero de una distancia en torreta, resto en retícula</translation>
    </message>
    <message>
        <source>e.g. 300, 400, 500</source>
        <translation>p. ej. 300, 400, 500</translation>
    </message>
    <message>
        <source>Full value from the right</source>
        <translation>Pleno valor desde la derecha</translation>
    </message>
    <message>
        <source>&amp;Reticle</source>
        <translation>&amp;Retícula</translation>
    </message>
    <message>
        <source>&amp;Magnification</source>
        <translation>&amp;Aumentos</translation>
    </message>
    <message>
        <source>Second plane, &amp;true at</source>
        <translation>Segundo plano, &amp;exacta a</translation>
    </message>
    <message>
        <source>&amp;Holds</source>
        <translation>&amp;Correcciones</translation>
    </message>
    <message>
        <source>&amp;Zero dialled at (m)</source>
        <translation>Cer&amp;o en torreta a (m)</translation>
    </message>
    <message>
        <source>&amp;Zero dialled at (yd)</source>
        <translation>Cer&amp;o en torreta a (yd)</translation>
    </message>
    <message>
        <source>Ra&amp;nges (m)</source>
        <translation>&amp;Distancias (m)</translation>
    </message>
    <message>
        <source>Ra&amp;nges (yd)</source>
        <translation>&amp;Distancias (yd)</translation>
    </message>
    <message>
        <source>Open Reticle</source>
        <translation>Abrir retícula</translation>
    </message>
    <message>
        <source>Reticle Files (*.vrt)</source>
        <translation>Archivos de retícula (*.vrt)</translation>
    </message>
    <message>
        <source>All Files (*)</source>
        <translation>Todos los archivos (*)</translation>
    </message>
    <message>
        <source>&amp;Print...</source>
        <translation>Im&amp;primir...</translation>
    </message>
    <message>
        <source>Print Pre&amp;view</source>
        <translation>V&amp;ista previa</translation>
    </message>
    <message>
        <source>&amp;Export...</source>
        <translation>E&amp;xportar...</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
    <message>
        <source>The magnification is not a number.</source>
        <translation>Los aumentos no son un número.</translation>
    </message>
    <message>
        <source>The magnification the reticle is true at is not a number.</source>
        <translation>Los aumentos a los que la retícula es exacta no son un número.</translation>
    </message>
    <message>
        <source>The range of the zero is not a number.</source>
        <translation>La distancia del cero no es un número.</translation>
    </message>
    <message>
        <source>Export Sight Picture</source>
        <translation>Exportar imagen de retícula</translation>
    </message>
    <message>
        <source>PDF Files (*.pdf)</source>
        <translation>Archivos PDF (*.pdf)</translation>
    </message>
    <message>
        <source>SVG Files (*.svg)</source>
        <translation>Archivos SVG (*.svg)</translation>
    </message>
    <message>
        <source>PNG Files (*.png)</source>
        <translation>Archivos PNG (*.png)</translation>
    </message>
    <message>
        <source>The sight picture could not be saved to &quot;%1&quot;.
%2</source>
        <translation>No se pudo guardar la imagen de retícula en &quot;%1&quot;.
%2</translation>
    </message>
    <message>
        <source>&amp;Winds (%1)</source>
        <translation>&amp;Vientos (%1)</translation>
    </message>
    <message>
        <source>e.g. %1, %2 (%3)</source>
        <translation>p. ej. %1, %2 (%3)</translation>
    </message>
</context>
<context>
    <name>vorlan::CTruingDlg</name>
    <message>
        <source>Truing - %1</source>
        <translation>Calibración - %1</translation>
    </message>
    <message>
        <source>Load Observations</source>
        <translation>Cargar observaciones</translation>
    </message>
    <message>
        <source>CSV Files (*.csv)</source>
        <translation>Archivos CSV (*.csv)</translation>
    </message>
    <message>
        <source>All Files (*)</source>
        <translation>Todos los archivos (*)</translation>
    </message>
    <message>
        <source>Observations Not Loaded</source>
        <translation>Observaciones no cargadas</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>Observations not loaded from %1.</source>
        <translation>No se cargaron las observaciones de %1.</translation>
    </message>
    <message>
        <source>%1: %2 observations loaded. Press Fit.</source>
        <translation>%1: %2 observaciones cargadas. Pulse Ajustar.</translation>
    </message>
    <message>
        <source>Observations loaded from %1.</source>
        <translation>Observaciones cargadas de %1.</translation>
    </message>
    <message>
        <source>There are no observations to save.</source>
        <translation>No hay observaciones que guardar.</translation>
    </message>
    <message>
        <source>Save Observations</source>
        <translation>Guardar observaciones</translation>
    </message>
    <message>
        <source>Observations saved to %1.</source>
        <translation>Observaciones guardadas en %1.</translation>
    </message>
    <message>
        <source>Observations not saved.</source>
        <translation>Observaciones no guardadas.</translation>
    </message>
    <message>
        <source>Observations Not Saved</source>
        <translation>Observaciones no guardadas</translation>
    </message>
    <message>
        <source>The observations could not be saved to &quot;%1&quot;.
%2</source>
        <translation>No se pudieron guardar las observaciones en &quot;%1&quot;.
%2</translation>
    </message>
    <message>
        <source>There are no observations: enter a range and what you dialled, measured or timed there.</source>
        <translation>No hay observaciones: introduzca una distancia y lo que marcó en torreta, midió o cronometró allí.</translation>
    </message>
    <message>
        <source>Fitted: Apply writes the fitted values into the shot.</source>
        <translation>Ajustado: Aplicar escribe los valores ajustados en el disparo.</translation>
    </message>
    <message>
        <source>Not fitted: the reason is given above.</source>
        <translation>Sin ajustar: el motivo se indica arriba.</translation>
    </message>
    <message>
        <source>The shot has changed since the fit: press Fit again before Apply.</source>
        <translation>El disparo ha cambiado desde el ajuste: pulse Ajustar de nuevo antes de Aplicar.</translation>
    </message>
    <message>
        <source>Not applied: %1</source>
        <translation>No aplicado: %1</translation>
    </message>
    <message>
        <source>, drag function %1 %2</source>
        <translation>, función de resistencia %1 %2</translation>
    </message>
    <message>
        <source>No truing is in force.</source>
        <translation>No hay ninguna calibración en vigor.</translation>
    </message>
    <message>
        <source>Truing</source>
        <translation>Calibración</translation>
    </message>
    <message>
        <source>it holds %1 observations; the window takes %2</source>
        <translation>contiene %1 observaciones; la ventana admite %2</translation>
    </message>
    <message>
        <source>Applied: velocity %1%2, drag scale %3. Clear Truing takes it back.</source>
        <translation>Aplicado: velocidad %1%2, escala de resistencia %3. Quitar calibración lo deshace.</translation>
    </message>
    <message>
        <source>Truing taken back: velocity %1 and the drag scale as they were before Apply.</source>
        <translation>Calibración deshecha: velocidad %1 y escala de resistencia como estaban antes de Aplicar.</translation>
    </message>
    <message>
        <source>Truing cleared: the velocity is back to %1, as entered before truing.</source>
        <translation>Calibración quitada: la velocidad vuelve a %1, como se introdujo antes de calibrar.</translation>
    </message>
    <message>
        <source>Drag scale cleared; the velocity stays %1</source>
        <translation>Escala de resistencia quitada; la velocidad sigue en %1</translation>
    </message>
    <message>
        <source>Range
yd.</source>
        <translation>Distancia
yd.</translation>
    </message>
    <message>
        <source>Up
MOA</source>
        <translation>Elev.
MOA</translation>
    </message>
    <message>
        <source>Up
mil</source>
        <translation>Elev.
mil</translation>
    </message>
    <message>
        <source>Up
clicks</source>
        <translation>Elev.
clics</translation>
    </message>
    <message>
        <source>Drop
in.</source>
        <translation>Caída
in.</translation>
    </message>
    <message>
        <source>Velocity
f.p.s.</source>
        <translation>Velocidad
f.p.s.</translation>
    </message>
    <message>
        <source>Time
s</source>
        <translation>Tiempo
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
        <translation>± Vel.
f.p.s.</translation>
    </message>
    <message>
        <source>&amp;Load CSV...</source>
        <translation>&amp;Cargar CSV...</translation>
    </message>
    <message>
        <source>&amp;Save CSV...</source>
        <translation>&amp;Guardar CSV...</translation>
    </message>
    <message>
        <source>Observations</source>
        <translation>Observaciones</translation>
    </message>
    <message>
        <source>Chosen by the number of ranges</source>
        <translation>Según el número de distancias</translation>
    </message>
    <message>
        <source>Velocity only</source>
        <translation>Solo velocidad</translation>
    </message>
    <message>
        <source>Velocity and one drag factor</source>
        <translation>Velocidad y un factor de resistencia</translation>
    </message>
    <message>
        <source>Velocity and drag scale by Mach</source>
        <translation>Velocidad y escala de resistencia por Mach</translation>
    </message>
    <message>
        <source>&amp;Fit</source>
        <translation>&amp;Ajustar</translation>
    </message>
    <message>
        <source>Fit:</source>
        <translation>Ajuste:</translation>
    </message>
    <message>
        <source>Enter what you observed at real ranges, then press Fit.</source>
        <translation>Introduzca lo que observó a distancias reales y pulse Ajustar.</translation>
    </message>
    <message>
        <source>Fit</source>
        <translation>Ajuste</translation>
    </message>
    <message>
        <source>Observed points over the predicted drop, before and after the fit:</source>
        <translation>Puntos observados sobre la caída predicha, antes y después del ajuste:</translation>
    </message>
    <message>
        <source>Residuals, observed minus predicted:</source>
        <translation>Residuos, observado menos predicho:</translation>
    </message>
    <message>
        <source>&amp;Apply</source>
        <translation>A&amp;plicar</translation>
    </message>
    <message>
        <source>&amp;Clear Truing</source>
        <translation>&amp;Quitar calibración</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Range (yd.)</source>
        <translation>Distancia (yd.)</translation>
    </message>
    <message>
        <source>Range (%1)</source>
        <translation>Distancia (%1)</translation>
    </message>
    <message>
        <source>Reading</source>
        <translation>Lectura</translation>
    </message>
    <message>
        <source>Observed</source>
        <translation>Observado</translation>
    </message>
    <message>
        <source>Before</source>
        <translation>Antes</translation>
    </message>
    <message>
        <source>After</source>
        <translation>Después</translation>
    </message>
    <message>
        <source>Up (MOA)</source>
        <translation>Elev. (MOA)</translation>
    </message>
    <message>
        <source>Up (mil)</source>
        <translation>Elev. (mil)</translation>
    </message>
    <message>
        <source>Up (clicks)</source>
        <translation>Elev. (clics)</translation>
    </message>
    <message>
        <source>Drop (in.)</source>
        <translation>Caída (in.)</translation>
    </message>
    <message>
        <source>Velocity (f.p.s.)</source>
        <translation>Velocidad (f.p.s.)</translation>
    </message>
    <message>
        <source>Time (s)</source>
        <translation>Tiempo (s)</translation>
    </message>
    <message>
        <source>± Hold (MOA)</source>
        <translation>± Corr. (MOA)</translation>
    </message>
    <message>
        <source>± Vel. (f.p.s.)</source>
        <translation>± Vel. (f.p.s.)</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <source>Drag scale: not fitted.</source>
        <translation>Escala de resistencia: sin ajustar.</translation>
    </message>
    <message>
        <source>Drag scale: %1 ± %2 over the whole flight.</source>
        <translation>Escala de resistencia: %1 ± %2 en todo el vuelo.</translation>
    </message>
    <message>
        <source>%1 ± %2 at Mach %3</source>
        <translation>%1 ± %2 a Mach %3</translation>
    </message>
    <message>
        <source>Drag scale: %1.</source>
        <translation>Escala de resistencia: %1.</translation>
    </message>
    <message>
        <source>As entered: %1</source>
        <translation>Tal como se introdujo: %1</translation>
    </message>
    <message>
        <source>Trued: %1, drag scale %2</source>
        <translation>Calibrado: %1, escala de resistencia %2</translation>
    </message>
    <message>
        <source>Velocity: %1 ± %2</source>
        <translation>Velocidad: %1 ± %2</translation>
    </message>
    <message>
        <source>Residuals in uncertainties (r.m.s.): %1 before, %2 after.</source>
        <translation>Residuos en incertidumbres (r.m.s.): %1 antes, %2 después.</translation>
    </message>
    <message>
        <source>Drag function: %1 %2, as its fit leaves the smaller weighted residual.</source>
        <translation>Función de resistencia: %1 %2, porque su ajuste deja el menor residuo ponderado.</translation>
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
        <translation>Unidades</translation>
    </message>
    <message>
        <source>Preset</source>
        <translation>Predefinidos</translation>
    </message>
    <message>
        <source>&amp;Imperial</source>
        <translation>&amp;Imperial</translation>
    </message>
    <message>
        <source>&amp;Metric</source>
        <translation>&amp;Métrico</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Preferences Not Saved</source>
        <translation>Preferencias no guardadas</translation>
    </message>
    <message>
        <source>The units could not be saved to &quot;%1&quot;.
%2</source>
        <translation>No se pudieron guardar las unidades en &quot;%1&quot;.
%2</translation>
    </message>
    <message>
        <source>Distance</source>
        <translation>Distancia</translation>
    </message>
    <message>
        <source>Velocity</source>
        <translation>Velocidad</translation>
    </message>
    <message>
        <source>Bullet weight</source>
        <translation>Peso de la bala</translation>
    </message>
    <message>
        <source>Sight height and lengths</source>
        <translation>Altura de la mira y longitudes</translation>
    </message>
    <message>
        <source>Drop and windage</source>
        <translation>Caída y deriva</translation>
    </message>
    <message>
        <source>Temperature</source>
        <translation>Temperatura</translation>
    </message>
    <message>
        <source>Pressure</source>
        <translation>Presión</translation>
    </message>
    <message>
        <source>Altitude</source>
        <translation>Altitud</translation>
    </message>
    <message>
        <source>Wind and target speed</source>
        <translation>Velocidad del viento y del blanco</translation>
    </message>
    <message>
        <source>Energy</source>
        <translation>Energía</translation>
    </message>
    <message>
        <source>Gun weight</source>
        <translation>Peso del arma</translation>
    </message>
</context>
<context>
    <name>vorlan::CVorlan2Dlg</name>
    <message>
        <source>Projectile and Sight</source>
        <translation>Proyectil y mira</translation>
    </message>
    <message>
        <source>Wind and Target</source>
        <translation>Viento y blanco</translation>
    </message>
    <message>
        <source>Atmosphere</source>
        <translation>Atmósfera</translation>
    </message>
    <message>
        <source>Air Density</source>
        <translation>Densidad del aire</translation>
    </message>
    <message>
        <source>What&apos;s this?</source>
        <translation>¿Qué es esto?</translation>
    </message>
    <message>
        <source>Open Load</source>
        <translation>Abrir carga</translation>
    </message>
    <message>
        <source>The shot on screen has changes that are not saved. Open &quot;%1&quot; in its place?</source>
        <translation>El disparo en pantalla tiene cambios sin guardar. ¿Abrir &quot;%1&quot; en su lugar?</translation>
    </message>
    <message>
        <source>Baseline set: %1</source>
        <translation>Referencia fijada: %1</translation>
    </message>
    <message>
        <source>Compares the current shot with the baseline &quot;%1&quot;.</source>
        <translation>Compara el disparo actual con la referencia &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>
It is left as it is: the settings will not be saved over it at exit.</source>
        <translation>
Se deja como está: la configuración no se guardará encima al salir.</translation>
    </message>
    <message>
        <source>Settings Not Read</source>
        <translation>Configuración no leída</translation>
    </message>
    <message>
        <source>The settings could not be read from &quot;%1&quot;.</source>
        <translation>No se pudo leer la configuración de &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>The extra shot inputs could not be read from &quot;%1&quot;.</source>
        <translation>No se pudieron leer los datos adicionales del disparo de &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>Settings Out of Bounds</source>
        <translation>Configuración fuera de límites</translation>
    </message>
    <message>
        <source>The settings hold values outside their bounds; correct them before closing:</source>
        <translation>La configuración contiene valores fuera de sus límites; corríjalos antes de cerrar:</translation>
    </message>
    <message>
        <source>Settings Not Saved</source>
        <translation>Configuración no guardada</translation>
    </message>
    <message>
        <source>The settings could not be saved to &quot;%1&quot;.</source>
        <translation>No se pudo guardar la configuración en &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>The extra shot inputs could not be saved to &quot;%1&quot;.</source>
        <translation>No se pudieron guardar los datos adicionales del disparo en &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>Save Failed</source>
        <translation>Error al guardar</translation>
    </message>
    <message>
        <source>The shot could not be saved to &quot;%1&quot;.</source>
        <translation>No se pudo guardar el disparo en &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>Load Failed</source>
        <translation>Error al cargar</translation>
    </message>
    <message>
        <source>The shot file &quot;%1&quot; could not be read.</source>
        <translation>No se pudo leer el archivo de disparo &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>Load</source>
        <translation>Cargar</translation>
    </message>
    <message>
        <source>Part of &quot;%1&quot; could not be read:</source>
        <translation>No se pudo leer parte de &quot;%1&quot;:</translation>
    </message>
    <message>
        <source>&quot;%1&quot; not opened: %2</source>
        <translation>&quot;%1&quot; no abierto: %2</translation>
    </message>
    <message>
        <source>not a shot file (.vxf)</source>
        <translation>no es un archivo de disparo (.vxf)</translation>
    </message>
    <message>
        <source>not a shot file</source>
        <translation>no es un archivo de disparo</translation>
    </message>
    <message>
        <source>Values Out of Bounds</source>
        <translation>Valores fuera de límites</translation>
    </message>
    <message>
        <source>&quot;%1&quot; holds values outside their bounds; correct them before computing:</source>
        <translation>&quot;%1&quot; contiene valores fuera de sus límites; corríjalos antes de calcular:</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Guardar</translation>
    </message>
    <message>
        <source>About Vorlan</source>
        <translation>Acerca de Vorlan</translation>
    </message>
    <message>
        <source>&amp;Units...</source>
        <translation>&amp;Unidades...</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>A&amp;yuda</translation>
    </message>
    <message>
        <source>Calculations</source>
        <translation>Cálculos</translation>
    </message>
    <message>
        <source>&amp;Advanced...</source>
        <translation>&amp;Avanzado...</translation>
    </message>
    <message>
        <source>Std. Atmosphere</source>
        <translation>Atmósfera estándar</translation>
    </message>
    <message>
        <source>ICAO Atmosphere</source>
        <translation>Atmósfera ICAO</translation>
    </message>
    <message>
        <source>Range Table</source>
        <translation>Tabla balística</translation>
    </message>
    <message>
        <source>Set Baseline</source>
        <translation>Fijar referencia</translation>
    </message>
    <message>
        <source>Shoot</source>
        <translation>Disparar</translation>
    </message>
    <message>
        <source>Compute BC</source>
        <translation>Calcular CB</translation>
    </message>
    <message>
        <source>OPBZ</source>
        <translation>OPBZ</translation>
    </message>
    <message>
        <source>Maximum Range</source>
        <translation>Alcance máximo</translation>
    </message>
    <message>
        <source>&amp;Field Card...</source>
        <translation>&amp;Tarjeta de tiro...</translation>
    </message>
    <message>
        <source>Hit &amp;Probability...</source>
        <translation>&amp;Probabilidad de impacto...</translation>
    </message>
    <message>
        <source>&amp;Library...</source>
        <translation>&amp;Biblioteca...</translation>
    </message>
</context>
<context>
    <name>vorlan::ChronoPlot</name>
    <message>
        <source>Velocity by shot</source>
        <translation>Velocidad por disparo</translation>
    </message>
</context>
<context>
    <name>vorlan::ChronographDialog</name>
    <message>
        <source>From Chronograph</source>
        <translation>Del cronógrafo</translation>
    </message>
    <message>
        <source>Shot</source>
        <translation>Disparo</translation>
    </message>
    <message>
        <source>Velocity (ft/s)</source>
        <translation>Velocidad (ft/s)</translation>
    </message>
    <message>
        <source>Clear a shot&apos;s box to leave it out (a fouler or a flyer)</source>
        <translation>Desmarque la casilla de un disparo para excluirlo (un disparo de engrase o un disparo desviado)</translation>
    </message>
    <message>
        <source>%1, %2 shots</source>
        <translation>%1, %2 disparos</translation>
    </message>
    <message>
        <source>Set the shot&apos;s muzzle &amp;velocity to the mean as well</source>
        <translation>Poner también la media como &amp;velocidad en boca del disparo</translation>
    </message>
    <message>
        <source>Keep at least two shots for a standard deviation.</source>
        <translation>Deje al menos dos disparos para una desviación estándar.</translation>
    </message>
    <message>
        <source>Shots: %1
Mean: %2 ft/s
SD: %3 ft/s
Extreme spread: %4 ft/s</source>
        <translation>Disparos: %1
Media: %2 ft/s
DE: %3 ft/s
Dispersión extrema: %4 ft/s</translation>
    </message>
    <message>
        <source>Open Chronograph Session</source>
        <translation>Abrir sesión de cronógrafo</translation>
    </message>
    <message>
        <source>Chronograph sessions (*.csv *.txt)</source>
        <translation>Sesiones de cronógrafo (*.csv *.txt)</translation>
    </message>
    <message>
        <source>All files (*)</source>
        <translation>Todos los archivos (*)</translation>
    </message>
    <message>
        <source>The session holds fewer than two shots, so no standard deviation.</source>
        <translation>La sesión tiene menos de dos disparos, así que no hay desviación estándar.</translation>
    </message>
</context>
<context>
    <name>vorlan::CsvExportDialog</name>
    <message>
        <source>Only the &amp;printed rows</source>
        <translation>Solo las filas im&amp;presas</translation>
    </message>
    <message>
        <source>&amp;Holds: true MOA, mil and clicks</source>
        <translation>&amp;Correcciones: MOA verdaderos, mil y clics</translation>
    </message>
    <message>
        <source>Export CSV</source>
        <translation>Exportar CSV</translation>
    </message>
    <message>
        <source>Imperial</source>
        <translation>Imperial</translation>
    </message>
    <message>
        <source>Metric</source>
        <translation>Métrico</translation>
    </message>
    <message>
        <source>&amp;Click value:</source>
        <translation>&amp;Valor del clic:</translation>
    </message>
    <message>
        <source>&amp;Units:</source>
        <translation>&amp;Unidades:</translation>
    </message>
</context>
<context>
    <name>vorlan::HelpBrowser</name>
    <message>
        <source>&lt; &amp;Back</source>
        <translation>&lt; &amp;Atrás</translation>
    </message>
    <message>
        <source>&amp;Forward &gt;</source>
        <translation>A&amp;delante &gt;</translation>
    </message>
    <message>
        <source>&amp;Contents</source>
        <translation>&amp;Contenido</translation>
    </message>
    <message>
        <source>Vorlan Help</source>
        <translation>Ayuda de Vorlan</translation>
    </message>
    <message>
        <source>The help pages are in English.</source>
        <translation>Las páginas de ayuda están en inglés.</translation>
    </message>
</context>
<context>
    <name>vorlan::HitScatterView</name>
    <message>
        <source>Impacts at the target range</source>
        <translation>Impactos a la distancia del blanco</translation>
    </message>
    <message>
        <source>Grid %1 %2; up and right as the shooter sees them</source>
        <translation>Cuadrícula de %1 %2; arriba y derecha como las ve el tirador</translation>
    </message>
    <message>
        <source>Impacts at %1: %2 of %3 hit (%3 of %4 samples shown)</source>
        <translation>Impactos a %1: %2 de %3 aciertan (se muestran %3 de %4 muestras)</translation>
    </message>
</context>
<context>
    <name>vorlan::LibraryModel</name>
    <message>
        <source>(no rifle)</source>
        <translation>(sin rifle)</translation>
    </message>
    <message>
        <source>custom drag</source>
        <translation>resistencia personalizada</translation>
    </message>
    <message>
        <source> (bands)</source>
        <translation> (bandas)</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nombre</translation>
    </message>
    <message>
        <source>Caliber</source>
        <translation>Calibre</translation>
    </message>
    <message>
        <source>Weight (gr)</source>
        <translation>Peso (gr)</translation>
    </message>
    <message>
        <source>BC and Drag</source>
        <translation>CB y resistencia</translation>
    </message>
    <message>
        <source>Velocity (ft/s)</source>
        <translation>Velocidad (ft/s)</translation>
    </message>
    <message>
        <source>Sight-In (yd)</source>
        <translation>Cero (yd)</translation>
    </message>
    <message>
        <source>Last Changed</source>
        <translation>Último cambio</translation>
    </message>
    <message>
        <source>it holds no shot-file line</source>
        <translation>no contiene ninguna línea de archivo de disparo</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>%1: &quot;%2&quot; has changed since it was read (by another window or program). Nothing was written; look at it again and repeat.</source>
        <translation>%1: &quot;%2&quot; ha cambiado desde que se leyó (en otra ventana o programa). No se ha escrito nada; revíselo y repita.</translation>
    </message>
    <message>
        <source>%1: the file is not a shot file (it holds no shot-file line).</source>
        <translation>%1: el archivo no es un archivo de disparo (no contiene ninguna línea de archivo de disparo).</translation>
    </message>
    <message>
        <source>%1: &quot;%2&quot; could not be moved to the trash (%3).</source>
        <translation>%1: no se pudo mover &quot;%2&quot; a la papelera (%3).</translation>
    </message>
    <message>
        <source>Not saved</source>
        <translation>No guardado</translation>
    </message>
    <message>
        <source>Not duplicated</source>
        <translation>No duplicado</translation>
    </message>
    <message>
        <source>Not renamed</source>
        <translation>No renombrado</translation>
    </message>
    <message>
        <source>Not moved</source>
        <translation>No movido</translation>
    </message>
    <message>
        <source>the desktop&apos;s trash did not take it</source>
        <translation>la papelera del escritorio no lo aceptó</translation>
    </message>
    <message>
        <source>Not deleted</source>
        <translation>No eliminado</translation>
    </message>
    <message>
        <source>&quot;%1&quot; not imported</source>
        <translation>&quot;%1&quot; no importado</translation>
    </message>
    <message>
        <source>Not exported</source>
        <translation>No exportado</translation>
    </message>
    <message>
        <source>Not changed</source>
        <translation>No cambiado</translation>
    </message>
</context>
<context>
    <name>vorlan::LoadNamingDlg</name>
    <message>
        <source>(no rifle)</source>
        <translation>(sin rifle)</translation>
    </message>
    <message>
        <source>&amp;Rifle:</source>
        <translation>&amp;Rifle:</translation>
    </message>
    <message>
        <source>&amp;Name:</source>
        <translation>&amp;Nombre:</translation>
    </message>
</context>
<context>
    <name>vorlan::TableViewCommands</name>
    <message>
        <source>&amp;Holds</source>
        <translation>&amp;Correcciones</translation>
    </message>
    <message>
        <source>&amp;Units</source>
        <translation>&amp;Unidades</translation>
    </message>
    <message>
        <source>&amp;Imperial</source>
        <translation>&amp;Imperial</translation>
    </message>
    <message>
        <source>&amp;Metric</source>
        <translation>&amp;Métrico</translation>
    </message>
    <message>
        <source>Click &amp;Value</source>
        <translation>&amp;Valor del clic</translation>
    </message>
    <message>
        <source>&amp;Units...</source>
        <translation>&amp;Unidades...</translation>
    </message>
    <message>
        <source>Preferences Not Saved</source>
        <translation>Preferencias no guardadas</translation>
    </message>
    <message>
        <source>The table&apos;s view could not be saved to &quot;%1&quot;.
%2</source>
        <translation>No se pudo guardar la vista de la tabla en &quot;%1&quot;.
%2</translation>
    </message>
    <message>
        <source>The range table could not be exported to &quot;%1&quot;.
%2</source>
        <translation>No se pudo exportar la tabla balística a &quot;%1&quot;.
%2</translation>
    </message>
</context>
<context>
    <name>vorlan::TrajectoryChartCommands</name>
    <message>
        <source>&amp;Export Chart...</source>
        <translation>&amp;Exportar gráfico...</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Ver</translation>
    </message>
    <message>
        <source>&amp;Table</source>
        <translation>&amp;Tabla</translation>
    </message>
    <message>
        <source>&amp;Chart</source>
        <translation>&amp;Gráfico</translation>
    </message>
    <message>
        <source>&amp;Add to Chart...</source>
        <translation>&amp;Añadir al gráfico...</translation>
    </message>
    <message>
        <source>&amp;Reset Zoom</source>
        <translation>&amp;Restablecer zoom</translation>
    </message>
    <message>
        <source>View</source>
        <translation>Ver</translation>
    </message>
    <message>
        <source>Add to Chart</source>
        <translation>Añadir al gráfico</translation>
    </message>
    <message>
        <source>Open the range table of another shot first.</source>
        <translation>Abra primero la tabla balística de otro disparo.</translation>
    </message>
    <message>
        <source>Choose a file name ending in .png or .svg.</source>
        <translation>Elija un nombre de archivo terminado en .png o .svg.</translation>
    </message>
    <message>
        <source>The chart could not be exported to &quot;%1&quot;.
%2</source>
        <translation>No se pudo exportar el gráfico a &quot;%1&quot;.
%2</translation>
    </message>
    <message>
        <source>Trajectory Chart - </source>
        <translation>Gráfico de trayectoria - </translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Archivo</translation>
    </message>
    <message>
        <source>&amp;Print...	Ctrl+P</source>
        <translation>&amp;Imprimir...	Ctrl+P</translation>
    </message>
</context>
<context>
    <name>vorlan::TrajectoryChartView</name>
    <message>
        <source>&amp;Remove &quot;%1&quot; from Chart</source>
        <translation>&amp;Quitar &quot;%1&quot; del gráfico</translation>
    </message>
</context>
<context>
    <name>vorlan::TrajectoryWindow</name>
    <message>
        <source>&amp;Library...</source>
        <translation>&amp;Biblioteca...</translation>
    </message>
    <message>
        <source>&amp;Close	Ctrl+W</source>
        <translation>&amp;Cerrar	Ctrl+W</translation>
    </message>
    <message>
        <source>Sight &amp;Picture...</source>
        <translation>I&amp;magen de retícula...</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Archivo</translation>
    </message>
    <message>
        <source>&amp;Save As ...</source>
        <translation>&amp;Guardar como...</translation>
    </message>
    <message>
        <source>&amp;Print...	Ctrl+P</source>
        <translation>&amp;Imprimir...	Ctrl+P</translation>
    </message>
    <message>
        <source>Print Pre&amp;view</source>
        <translation>&amp;Vista previa</translation>
    </message>
    <message>
        <source>P&amp;rint Setup...</source>
        <translation>Configu&amp;rar impresión...</translation>
    </message>
    <message>
        <source>Field C&amp;ard...</source>
        <translation>&amp;Tarjeta de tiro...</translation>
    </message>
    <message>
        <source>&amp;Hit Probability...</source>
        <translation>&amp;Probabilidad de impacto...</translation>
    </message>
    <message>
        <source>&amp;Truing...</source>
        <translation>Ca&amp;libración...</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Edición</translation>
    </message>
    <message>
        <source>&amp;Copy	Ctrl+C</source>
        <translation>&amp;Copiar	Ctrl+C</translation>
    </message>
    <message>
        <source>Copy as &amp;Text	Ctrl+Shift+C</source>
        <translation>Copiar como &amp;texto	Ctrl+Shift+C</translation>
    </message>
    <message>
        <source>Select &amp;All	Ctrl+A</source>
        <translation>Seleccionar t&amp;odo	Ctrl+A</translation>
    </message>
    <message>
        <source>The range table could not be saved to &quot;%1&quot;.
%2</source>
        <translation>No se pudo guardar la tabla balística en &quot;%1&quot;.
%2</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Ver</translation>
    </message>
    <message>
        <source>Print Preview - </source>
        <translation>Vista previa de impresión - </translation>
    </message>
    <message>
        <source>Trajectory Table - %1</source>
        <translation>Tabla balística - %1</translation>
    </message>
    <message>
        <source>Print in the Chosen Lan&amp;guage</source>
        <translation>Imprimir en el i&amp;dioma elegido</translation>
    </message>
    <message>
        <source>E&amp;xport CSV...</source>
        <translation>E&amp;xportar CSV...</translation>
    </message>
</context>
</TS>
