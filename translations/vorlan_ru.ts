<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ru" sourcelanguage="en">
<context>
    <name>Chart</name>
    <message>
        <source>Range (%1)</source>
        <translation>Дистанция (%1)</translation>
    </message>
    <message>
        <source>Drop and windage (%1)</source>
        <translation>Понижение и снос (%1)</translation>
    </message>
    <message>
        <source>Velocity (%1)</source>
        <translation>Скорость (%1)</translation>
    </message>
    <message>
        <source>the file name must end in .png or .svg</source>
        <translation>имя файла должно оканчиваться на .png или .svg</translation>
    </message>
    <message>
        <source>the picture could not be drawn</source>
        <translation>не удалось нарисовать изображение</translation>
    </message>
    <message>
        <source>drop - - windage ··· ft/s</source>
        <extracomment>The legend key&apos;s words and marks, measured for the legend&apos;s width: translate as the key.</extracomment>
        <translation>понижение - - снос ··· ft/s</translation>
    </message>
    <message>
        <source>— drop  - - windage  ··· %1</source>
        <translation>— понижение  - - снос  ··· %1</translation>
    </message>
    <message>
        <source>  ○ observed</source>
        <translation>  ○ наблюдаемое</translation>
    </message>
    <message>
        <source>Ethical %1 %2 (P(hit) %3 %)</source>
        <translation>Этичная %1 %2 (P(попадания) %3 %)</translation>
    </message>
    <message>
        <source>P(hit), 0 to 100 %</source>
        <translation>P(попадания), от 0 до 100 %</translation>
    </message>
    <message>
        <source>P(hit)</source>
        <translation>P(попадания)</translation>
    </message>
    <message>
        <source>Line of sight</source>
        <translation>Линия прицеливания</translation>
    </message>
    <message>
        <source>Sight-in %1 %2</source>
        <translation>Пристрелка %1 %2</translation>
    </message>
    <message>
        <source>Target %1 %2</source>
        <translation>Цель %1 %2</translation>
    </message>
    <message>
        <source>Mach %1 at %2 %3</source>
        <translation>Мах %1 на %2 %3</translation>
    </message>
    <message>
        <source>Max. ordinate %1 %2 at %3 %4</source>
        <translation>Макс. высота %1 %2 на %3 %4</translation>
    </message>
</context>
<context>
    <name>ChartDialogs</name>
    <message>
        <source>Export Chart</source>
        <translation>Экспорт графика</translation>
    </message>
    <message>
        <source>PNG Pictures (*.png)</source>
        <translation>Изображения PNG (*.png)</translation>
    </message>
    <message>
        <source>SVG Drawings (*.svg)</source>
        <translation>Рисунки SVG (*.svg)</translation>
    </message>
    <message>
        <source>Add to Chart</source>
        <translation>Добавить на график</translation>
    </message>
</context>
<context>
    <name>DataExchange</name>
    <message>
        <source>Please enter a number.</source>
        <translation>Введите число.</translation>
    </message>
    <message>
        <source>Please enter an integer.</source>
        <translation>Введите целое число.</translation>
    </message>
    <message>
        <source>Please enter a number between %1 and %2.</source>
        <translation>Введите число от %1 до %2.</translation>
    </message>
    <message>
        <source>Please enter no more than %1 characters.</source>
        <translation>Введите не более %1 символов.</translation>
    </message>
</context>
<context>
    <name>HelpTexts</name>
    <message>
        <source>The main window: describe one shot, then run a command with the buttons below.</source>
        <translation>Главное окно: опишите один выстрел, затем выполните команду кнопками внизу.</translation>
    </message>
    <message>
        <source>Derives a ballistic coefficient from two chronograph velocities.</source>
        <translation>Вычисляет баллистический коэффициент по двум скоростям, измеренным хронографом.</translation>
    </message>
    <message>
        <source>The longest distance the shot can reach, its firing elevation and its highest point.</source>
        <translation>Наибольшая дальность полёта пули, угол возвышения для неё и высшая точка траектории.</translation>
    </message>
    <message>
        <source>The optimum point-blank zero for a vital zone of the given diameter.</source>
        <translation>Оптимальная пристрелка на дальность прямого выстрела для убойной зоны заданного диаметра.</translation>
    </message>
    <message>
        <source>The current shot compared with the baseline at the target range.</source>
        <translation>Текущий выстрел в сравнении с эталоном на дистанции до цели.</translation>
    </message>
    <message>
        <source>Energy, velocity, bullet weight, power factor and recoil energy.</source>
        <translation>Энергия, скорость, масса пули, фактор мощности и энергия отдачи.</translation>
    </message>
    <message>
        <source>Effects beyond the standard flight: wind from any side, spin, the Earth&apos;s rotation, powder, drag.</source>
        <translation>Эффекты сверх стандартного полёта: ветер с любой стороны, деривация, вращение Земли, порох, сопротивление.</translation>
    </message>
    <message>
        <source>A field card of the shot: the elevation and wind holds at a few ranges, sized for a pocket, a page or a strip.</source>
        <translation>Полевая карточка выстрела: поправки по вертикали и на ветер на нескольких дистанциях, в размер кармана, страницы или полосы.</translation>
    </message>
    <message>
        <source>Rows every step yards (metres) from the first range to the last.</source>
        <translation>Строки через каждый шаг в ярдах (метрах) от первой дистанции до последней.</translation>
    </message>
    <message>
        <source>Named targets at their ranges, one a line or comma-separated: &quot;Gong 1 = 327&quot;.</source>
        <translation>Именованные цели на своих дистанциях, по одной в строке или через запятую: «Гонг 1 = 327».</translation>
    </message>
    <message>
        <source>The wind speeds of the wind columns, each a full-value wind from the right over the whole flight (in place of the shot&apos;s wind zones): mph, or m/s in metric.</source>
        <translation>Скорости ветра для колонок ветра, каждая — полный боковой ветер справа на всём полёте (вместо зон ветра выстрела): mph или m/s в метрической системе.</translation>
    </message>
    <message>
        <source>Up to three temperatures: the elevation at each, with the zero of the shot&apos;s own air (and the powder&apos;s sensitivity when one is set).</source>
        <translation>До трёх температур: поправка по вертикали при каждой, с пристрелкой при собственном воздухе выстрела (и с термочувствительностью пороха, если она задана).</translation>
    </message>
    <message>
        <source>The card&apos;s size. The card takes the largest type that fits, turned landscape when that reads larger; a pocket card leaves its last columns out rather than go below 7 pt, and says which. A card that cannot hold its rows says so instead of cutting them.</source>
        <translation>Размер карточки. Карточка берёт самый крупный шрифт, который помещается, и поворачивается альбомно, если так крупнее; карманная карточка скорее опускает последние колонки, чем уменьшит шрифт ниже 7 pt, и сообщает, какие. Карточка, в которую не помещаются строки, сообщает об этом, а не обрезает их.</translation>
    </message>
    <message>
        <source>Several cards on one sheet, with cut marks.</source>
        <translation>Несколько карточек на одном листе, с метками для резки.</translation>
    </message>
    <message>
        <source>Truing: fit the muzzle velocity and the drag to what you observed at real ranges, so that the table matches the rifle.</source>
        <translation>Калибровка: подгонка начальной скорости и сопротивления под наблюдаемое на реальных дистанциях, чтобы таблица совпадала с винтовкой.</translation>
    </message>
    <message>
        <source>What is fitted besides the velocity: nothing, one drag factor over the whole flight, or a drag scale by Mach; by default one range fits the velocity alone, two to four one factor, five or more reaching below Mach 1.08 the scale by Mach.</source>
        <translation>Что подгоняется помимо скорости: ничего, один множитель сопротивления на весь полёт или масштаб сопротивления по числу Маха; по умолчанию одна дистанция подгоняет только скорость, от двух до четырёх — один множитель, пять и более с дистанциями ниже Mach 1.08 — масштаб по Маху.</translation>
    </message>
    <message>
        <source>Reads observations from a CSV file whose header names range_yd and any of up_moa, up_mil, up_clicks, drop_in, velocity_fps, time_s, sigma_moa and sigma_fps.</source>
        <translation>Читает наблюдения из CSV-файла, в заголовке которого есть range_yd и любые из up_moa, up_mil, up_clicks, drop_in, velocity_fps, time_s, sigma_moa и sigma_fps.</translation>
    </message>
    <message>
        <source>Writes the observations to a CSV file of the same columns.</source>
        <translation>Записывает наблюдения в CSV-файл с теми же колонками.</translation>
    </message>
    <message>
        <source>Fits the main window&apos;s shot to the observations: the fitted values with their standard errors, the residuals before and after, and the chart.</source>
        <translation>Подгоняет выстрел главного окна под наблюдения: подогнанные значения с их стандартными ошибками, невязки до и после и график.</translation>
    </message>
    <message>
        <source>Writes the fitted velocity into the main window and the drag scale into the shot: every table and calculation then flies them.</source>
        <translation>Записывает подогнанную скорость в главное окно, а масштаб сопротивления — в выстрел: все таблицы и расчёты затем используют их.</translation>
    </message>
    <message>
        <source>Takes the truing out of the shot: the velocity and drag scale from before Apply, or without an Apply here the drag scale alone.</source>
        <translation>Убирает калибровку из выстрела: скорость и масштаб сопротивления возвращаются к состоянию до «Применить», а без «Применить» здесь — только масштаб сопротивления.</translation>
    </message>
    <message>
        <source>Each reading observed minus predicted, with the shot as it was and with the fitted values, in the reading&apos;s unit; the fit weighs each by its uncertainty (the ± column).</source>
        <translation>Каждое показание: наблюдаемое минус расчётное, для выстрела в исходном виде и с подогнанными значениями, в единицах показания; подгонка взвешивает каждое по его погрешности (колонка ±).</translation>
    </message>
    <message>
        <source>The observed points (rings, with bars as long as their uncertainty) over the drop predicted before and after the fit.</source>
        <translation>Наблюдаемые точки (кольца с отрезками длиной в их погрешность) поверх расчётного понижения до и после подгонки.</translation>
    </message>
    <message>
        <source>Closes the window and keeps the observations with the shot.</source>
        <translation>Закрывает окно и сохраняет наблюдения в выстреле.</translation>
    </message>
    <message>
        <source>Closes the window; the shot keeps the observations it had. What Apply wrote stays.</source>
        <translation>Закрывает окно; в выстреле остаются прежние наблюдения. Записанное кнопкой «Применить» сохраняется.</translation>
    </message>
    <message>
        <source>Opens the Truing window: the velocity and drag fitted to the holds observed at real ranges.</source>
        <translation>Открывает окно калибровки: скорость и сопротивление, подогнанные под поправки, наблюдаемые на реальных дистанциях.</translation>
    </message>
    <message>
        <source>Closes the window and keeps its inputs in the shot; a field out of its bounds keeps it open.</source>
        <translation>Закрывает окно и сохраняет введённое в выстреле; поле вне допустимых пределов не даёт закрыть окно.</translation>
    </message>
    <message>
        <source>Opens a Field Card window: the holds for chosen ranges, targets, winds and temperatures, to print or export.</source>
        <translation>Открывает окно полевой карточки: поправки для выбранных дистанций, целей, ветров и температур, для печати или экспорта.</translation>
    </message>
    <message>
        <source>How likely the first shot hits the target at each range when the load, the range, the wind call, the rifle and shooter and the cant each spread the shot.</source>
        <translation>Вероятность попадания первым выстрелом в цель на каждой дистанции, когда патрон, оценка дистанции, оценка ветра, винтовка со стрелком и завал дают разброс.</translation>
    </message>
    <message>
        <source>The rifle and shooter&apos;s spread: a standard deviation per axis, or the mean size of groups of 2 to 10 shots, converted to one.</source>
        <translation>Разброс винтовки и стрелка: СКО по каждой оси или средний размер групп из 2–10 выстрелов, пересчитанный в СКО.</translation>
    </message>
    <message>
        <source>The target, aimed at its centre: a circle&apos;s diameter (the OPBZ vital zone unless set) or a rectangle.</source>
        <translation>Цель, прицеливание в центр: диаметр круга (убойная зона ДПВ, если не задан) или прямоугольник.</translation>
    </message>
    <message>
        <source>Closes the window and keeps its inputs with the shot, assumed spreads included.</source>
        <translation>Закрывает окно и сохраняет введённое в выстреле, включая принятые разбросы.</translation>
    </message>
    <message>
        <source>Closes the window; inputs you typed are kept with the shot already, assumed spreads are not.</source>
        <translation>Закрывает окно; введённое вами уже сохранено в выстреле, принятые разбросы — нет.</translation>
    </message>
    <message>
        <source>The farthest ethical range is the last range up to which P(hit) stays at or above this level.</source>
        <translation>Наибольшая этичная дистанция — последняя дистанция, до которой P(попадания) не ниже этого уровня.</translation>
    </message>
    <message>
        <source>Opens a Sight Picture window of the shot: where to hold, drawn on a reticle.</source>
        <translation>Открывает окно прицельной картинки выстрела: куда выносить точку прицеливания, на прицельной сетке.</translation>
    </message>
    <message>
        <source>Opens a Sight Picture window of the shot in the card&apos;s units: where to hold, drawn on a reticle.</source>
        <translation>Открывает окно прицельной картинки выстрела в единицах карточки: куда выносить точку прицеливания, на прицельной сетке.</translation>
    </message>
    <message>
        <source>Draws the holds of the card&apos;s rows and winds on this reticle, beside the table of a pocket or half card.</source>
        <translation>Рисует выносы для строк и ветров карточки на этой сетке, рядом с таблицей карманной карточки или карточки на полстраницы.</translation>
    </message>
    <message>
        <source>Where to hold, drawn on the reticle at the magnification in use: the shot&apos;s own point, a ladder of ranges and the wind dots.</source>
        <translation>Куда выносить точку прицеливания, на сетке при текущей кратности: точка выстрела, лесенка дистанций и точки ветра.</translation>
    </message>
    <message>
        <source>The reticle the holds are drawn on: a built-in one, or one read from a reticle file.</source>
        <translation>Сетка, на которой рисуются выносы: встроенная или прочитанная из файла сетки.</translation>
    </message>
    <message>
        <source>Reads a reticle of your own from a reticle file (.vrt) and picks it; a faulty file is refused with its line.</source>
        <translation>Читает собственную сетку из файла сетки (.vrt) и выбирает её; файл с ошибкой отклоняется с указанием строки.</translation>
    </message>
    <message>
        <source>The magnification in use, from 1 to 100. A second-plane reticle&apos;s marks span (true at) / (in use) times their angle.</source>
        <translation>Текущая кратность, от 1 до 100. Метки сетки во второй фокальной плоскости охватывают угол, умноженный на (истинна при) / (текущая).</translation>
    </message>
    <message>
        <source>Empty: the reticle as it is made. A magnification here makes it second focal plane, true at that magnification.</source>
        <translation>Пусто: сетка как изготовлена. Кратность здесь делает её сеткой во второй фокальной плоскости, истинной при этой кратности.</translation>
    </message>
    <message>
        <source>How the holds share the work with the turret: dial the elevation and hold the wind, hold everything, or dial the zero of one range and hold the rest.</source>
        <translation>Как выносы делят работу с барабаном: вертикаль вводится барабаном, ветер — выносом; всё выносом; или барабаном ввести пристрелку одной дистанции, остальное выносом.</translation>
    </message>
    <message>
        <source>The range whose elevation is dialled when the holds dial a zero: yards, or metres in metric.</source>
        <translation>Дистанция, поправка по вертикали для которой вводится барабаном, когда выносы вводят пристрелку: ярды или метры в метрической системе.</translation>
    </message>
    <message>
        <source>A holdover ladder: a point at each range, labelled with it (yards, or metres in metric).</source>
        <translation>Лесенка выносов: точка на каждой дистанции с её подписью (ярды или метры в метрической системе).</translation>
    </message>
    <message>
        <source>Wind dots: a point at each range for each wind speed, full value from the right (mph, or m/s in metric).</source>
        <translation>Точки ветра: точка на каждой дистанции для каждой скорости ветра, полный боковой справа (mph или m/s в метрической системе).</translation>
    </message>
    <message>
        <source>The scope&apos;s circle: each point is where the target goes, labelled with its range; a hold beyond the reticle stands at its edge with an arrow.</source>
        <translation>Поле зрения прицела: каждая точка — место, куда ставится цель, с подписью дистанции; вынос за пределами сетки стоит у её края со стрелкой.</translation>
    </message>
    <message>
        <source>Every hold as the shooter would say it, a hold beyond the reticle told as what to dial and what to hold.</source>
        <translation>Каждый вынос так, как его сказал бы стрелок; вынос за пределами сетки — как то, что ввести барабаном, и то, что вынести.</translation>
    </message>
    <message>
        <source>Prints the picture on one square page.</source>
        <translation>Печатает изображение на одной квадратной странице.</translation>
    </message>
    <message>
        <source>Shows the printed page before it is printed.</source>
        <translation>Показывает страницу перед печатью.</translation>
    </message>
    <message>
        <source>Writes the picture as a PDF, SVG or PNG file.</source>
        <translation>Записывает изображение в файл PDF, SVG или PNG.</translation>
    </message>
    <message>
        <source>Closes the window.</source>
        <translation>Закрывает окно.</translation>
    </message>
    <message>
        <source>Opens a Hit Probability window: the chance of a first-shot hit at every range and the farthest ethical shot.</source>
        <translation>Открывает окно вероятности попадания: шанс попасть первым выстрелом на каждой дистанции и наибольшая этичная дистанция.</translation>
    </message>
    <message>
        <source>Opens the Library: every rifle and load kept together, to open, save, duplicate, rename, move or delete.</source>
        <translation>Открывает библиотеку: все винтовки и патроны вместе — открыть, сохранить, дублировать, переименовать, переместить или удалить.</translation>
    </message>
    <message>
        <source>The library: the shot files of one folder, grouped by rifle. Open loads one into the main window.</source>
        <translation>Библиотека: файлы выстрелов одной папки, сгруппированные по винтовкам. «Открыть» загружает один из них в главное окно.</translation>
    </message>
    <message>
        <source>Shows only the loads with this text in any column, or of a rifle whose name holds it.</source>
        <translation>Показывает только патроны с этим текстом в любой колонке или патроны винтовки, в названии которой он есть.</translation>
    </message>
    <message>
        <source>Stores the main window&apos;s shot in the library under the rifle and name you give.</source>
        <translation>Сохраняет выстрел главного окна в библиотеке под указанными винтовкой и названием.</translation>
    </message>
    <message>
        <source>Opens the Advanced window: wind from any direction, spin drift, Coriolis, powder temperature, drag.</source>
        <translation>Открывает окно «Дополнительно»: ветер с любого направления, деривация, Кориолис, температура пороха, сопротивление.</translation>
    </message>
    <message>
        <source>G1: the standard flat-based projectile, the drag function of most published coefficients.</source>
        <translation>G1: стандартный снаряд с плоским донцем, закон сопротивления большинства публикуемых коэффициентов.</translation>
    </message>
    <message>
        <source>G7: long boat-tailed rifle bullets.</source>
        <translation>G7: длинные винтовочные пули с хвостовым конусом.</translation>
    </message>
    <message>
        <source>G2: the Aberdeen J projectile.</source>
        <translation>G2: снаряд Aberdeen J.</translation>
    </message>
    <message>
        <source>G8: flat-based bullets with a long ogive.</source>
        <translation>G8: пули с плоским донцем и длинной оживальной частью.</translation>
    </message>
    <message>
        <source>G6: flat-based spitzer bullets.</source>
        <translation>G6: остроконечные пули с плоским донцем.</translation>
    </message>
    <message>
        <source>G5: short boat-tailed bullets.</source>
        <translation>G5: короткие пули с хвостовым конусом.</translation>
    </message>
    <message>
        <source>Sets the standard sea-level atmosphere (59 degrees Fahrenheit, 29.92 inches of mercury, dry air, altitude 0) and shows its density.</source>
        <translation>Задаёт стандартную атмосферу на уровне моря (59 градусов Фаренгейта, 29,92 дюйма ртутного столба, сухой воздух, высота 0) и показывает её плотность.</translation>
    </message>
    <message>
        <source>GL: lead ball.</source>
        <translation>GL: свинцовая пуля.</translation>
    </message>
    <message>
        <source>Gi: the Ingalls projectile.</source>
        <translation>Gi: снаряд Ингаллса.</translation>
    </message>
    <message>
        <source>Computes the air density of the temperature, pressure, humidity and altitude entered.</source>
        <translation>Вычисляет плотность воздуха по введённым температуре, давлению, влажности и высоте.</translation>
    </message>
    <message>
        <source>Sets the ICAO standard atmosphere at the altitude entered, with its pressure at that altitude (Station B.P. checked), and shows its density.</source>
        <translation>Задаёт стандартную атмосферу ИКАО на введённой высоте, с давлением на этой высоте (отмечено «Давл. на месте»), и показывает её плотность.</translation>
    </message>
    <message>
        <source>Flies the shot, zeroed at the sight-in range, and opens its range table in a window of its own.</source>
        <translation>Рассчитывает выстрел с пристрелкой на дистанцию пристрелки и открывает его баллистическую таблицу в отдельном окне.</translation>
    </message>
    <message>
        <source>Opens a window comparing the current shot with the baseline at the target range.</source>
        <translation>Открывает окно сравнения текущего выстрела с эталоном на дистанции до цели.</translation>
    </message>
    <message>
        <source>Remembers the current shot as the baseline for Shoot.</source>
        <translation>Запоминает текущий выстрел как эталон для команды «Выстрел».</translation>
    </message>
    <message>
        <source>Opens Compute BC: a ballistic coefficient from two chronograph readings.</source>
        <translation>Открывает «Расчёт БК»: баллистический коэффициент по двум показаниям хронографа.</translation>
    </message>
    <message>
        <source>Opens Maximum Range: the longest distance and height the shot can reach.</source>
        <translation>Открывает «Максимальную дальность»: наибольшие дальность и высоту, которых достигает пуля.</translation>
    </message>
    <message>
        <source>Opens OPBZ: the optimum point-blank zero for a vital zone.</source>
        <translation>Открывает «ДПВ»: оптимальную пристрелку на дальность прямого выстрела для убойной зоны.</translation>
    </message>
    <message>
        <source>Opens the energy, velocity, weight and recoil calculator.</source>
        <translation>Открывает калькулятор энергии, скорости, массы и отдачи.</translation>
    </message>
    <message>
        <source>GS: spherical ball.</source>
        <translation>GS: сферическая пуля.</translation>
    </message>
    <message>
        <source>RA4: .22 rimfire bullets and airgun pellets.</source>
        <translation>RA4: пули кольцевого воспламенения .22 и пули для пневматики.</translation>
    </message>
    <message>
        <source>Click here, then on any field or button, to see what it does.</source>
        <translation>Щёлкните здесь, а затем по любому полю или кнопке, чтобы узнать, что оно делает.</translation>
    </message>
    <message>
        <source>Opens the Vorlan user&apos;s guide.</source>
        <translation>Открывает руководство пользователя Vorlan.</translation>
    </message>
    <message>
        <source>Notes on what a command did (a baseline set) or why a file given to the program was not opened.</source>
        <translation>Заметки о том, что сделала команда (задан эталон), или почему переданный программе файл не был открыт.</translation>
    </message>
    <message>
        <source>How much higher (positive) or lower (negative) the current shot strikes than the baseline, in inches.</source>
        <translation>Насколько выше (положительное) или ниже (отрицательное) текущий выстрел попадает по сравнению с эталоном, в дюймах.</translation>
    </message>
    <message>
        <source>How much further to the side the current shot strikes than the baseline, in inches.</source>
        <translation>Насколько дальше в сторону текущий выстрел попадает по сравнению с эталоном, в дюймах.</translation>
    </message>
    <message>
        <source>The name of the shot that Set Baseline kept.</source>
        <translation>Название выстрела, сохранённого командой «Задать эталон».</translation>
    </message>
    <message>
        <source>The name of the current shot.</source>
        <translation>Название текущего выстрела.</translation>
    </message>
    <message>
        <source>Why the shots were compared short of the target range, or that no baseline was set.</source>
        <translation>Почему выстрелы сравнивались ближе дистанции до цели, или что эталон не задан.</translation>
    </message>
    <message>
        <source>The ballistic coefficient that gives the measured velocity loss, for the drag function shown.</source>
        <translation>Баллистический коэффициент, дающий измеренную потерю скорости, для показанного закона сопротивления.</translation>
    </message>
    <message>
        <source>Puts the coefficient shown into the main window&apos;s Ballistic Coefficient field.</source>
        <translation>Переносит показанный коэффициент в поле баллистического коэффициента главного окна.</translation>
    </message>
    <message>
        <source>Computes the coefficient for the main window&apos;s atmosphere and drag function.</source>
        <translation>Вычисляет коэффициент для атмосферы и закона сопротивления главного окна.</translation>
    </message>
    <message>
        <source>The name of the shot.</source>
        <translation>Название выстрела.</translation>
    </message>
    <message>
        <source>How far the bullet can fly over level ground, in yards.</source>
        <translation>Как далеко пуля может пролететь над ровной местностью, в ярдах.</translation>
    </message>
    <message>
        <source>The elevation of the bore that gives the longest range, in degrees.</source>
        <translation>Угол возвышения ствола, дающий наибольшую дальность, в градусах.</translation>
    </message>
    <message>
        <source>The highest point of the longest trajectory above the muzzle, in feet.</source>
        <translation>Высшая точка самой дальней траектории над дульным срезом, в футах.</translation>
    </message>
    <message>
        <source>The bullet&apos;s speed at the end of the longest trajectory, in feet per second.</source>
        <translation>Скорость пули в конце самой дальней траектории, в футах в секунду.</translation>
    </message>
    <message>
        <source>The bullet&apos;s energy at the end of the longest trajectory, in foot-pounds.</source>
        <translation>Энергия пули в конце самой дальней траектории, в фут-фунтах.</translation>
    </message>
    <message>
        <source>Time of flight of the longest trajectory, in seconds.</source>
        <translation>Время полёта по самой дальней траектории, в секундах.</translation>
    </message>
    <message>
        <source>How high the bullet climbs when fired straight up, in feet.</source>
        <translation>На какую высоту поднимается пуля при выстреле вертикально вверх, в футах.</translation>
    </message>
    <message>
        <source>How long the straight-up climb takes, in seconds.</source>
        <translation>Сколько длится подъём вертикально вверх, в секундах.</translation>
    </message>
    <message>
        <source>The sight-in range in yards that keeps the bullet inside the zone the longest.</source>
        <translation>Дистанция пристрелки в ярдах, при которой пуля дольше всего остаётся в зоне.</translation>
    </message>
    <message>
        <source>The range in yards where the bullet first comes up into the zone.</source>
        <translation>Дистанция в ярдах, на которой пуля впервые входит в зону.</translation>
    </message>
    <message>
        <source>The range in yards where the bullet drops out of the zone.</source>
        <translation>Дистанция в ярдах, на которой пуля выходит из зоны вниз.</translation>
    </message>
    <message>
        <source>Finds the optimum zero for the shot in the main window.</source>
        <translation>Находит оптимальную пристрелку для выстрела главного окна.</translation>
    </message>
    <message>
        <source>Calculate the energy from the velocity and the weight.</source>
        <translation>Вычислить энергию по скорости и массе.</translation>
    </message>
    <message>
        <source>Calculate the velocity from the weight and the energy.</source>
        <translation>Вычислить скорость по массе и энергии.</translation>
    </message>
    <message>
        <source>Calculate the weight from the velocity and the energy.</source>
        <translation>Вычислить массу по скорости и энергии.</translation>
    </message>
    <message>
        <source>Calculates the value the chosen mode derives, and the power factor.</source>
        <translation>Вычисляет величину, которую даёт выбранный режим, и фактор мощности.</translation>
    </message>
    <message>
        <source>Calculates the recoil energy of the gun from the bullet, the powder and the gun weight.</source>
        <translation>Вычисляет энергию отдачи оружия по пуле, пороху и массе оружия.</translation>
    </message>
    <message>
        <source>Keeps the colour shown; it is stored when Vorlan ends.</source>
        <translation>Сохраняет показанный цвет; он записывается при выходе из Vorlan.</translation>
    </message>
    <message>
        <source>Goes back to the colour kept last.</source>
        <translation>Возвращает последний сохранённый цвет.</translation>
    </message>
    <message>
        <source>Red part of the colour of all Vorlan windows, 0 to 255.</source>
        <translation>Красная составляющая цвета всех окон Vorlan, от 0 до 255.</translation>
    </message>
    <message>
        <source>Green part of the colour of all Vorlan windows, 0 to 255.</source>
        <translation>Зелёная составляющая цвета всех окон Vorlan, от 0 до 255.</translation>
    </message>
    <message>
        <source>Blue part of the colour of all Vorlan windows, 0 to 255.</source>
        <translation>Синяя составляющая цвета всех окон Vorlan, от 0 до 255.</translation>
    </message>
    <message>
        <source>Enter the wind direction in degrees, 0 to 360, clockwise from the line of fire.</source>
        <translation>Введите направление ветра в градусах, от 0 до 360, по часовой стрелке от линии огня.</translation>
    </message>
    <message>
        <source>Enter the wind direction as a clock hour, 0 to 12: 12 from the target, 3 from the right.</source>
        <translation>Введите направление ветра по циферблату, от 0 до 12 часов: 12 — от цели, 3 — справа.</translation>
    </message>
    <message>
        <source>Check for a barrel whose rifling turns to the left: the bullet drifts to the left.</source>
        <translation>Отметьте для ствола с левыми нарезами: пулю сносит влево.</translation>
    </message>
    <message>
        <source>Gyroscopic stability factor by Miller&apos;s rule, for the main window&apos;s velocity and air.</source>
        <translation>Фактор гироскопической устойчивости по правилу Миллера, для скорости и воздуха главного окна.</translation>
    </message>
    <message>
        <source>Judged on the factor as shown: below 1.00 unstable, to 1.29 marginal, 1.30 to 1.50 fair, above 1.50 stable.</source>
        <translation>Оценка по показанному фактору: ниже 1,00 — неустойчива, до 1,29 — на грани, от 1,30 до 1,50 — удовлетворительно, выше 1,50 — устойчива.</translation>
    </message>
    <message>
        <source>Check to let a crosswind at the muzzle throw the bullet up or down (Litz&apos;s fit; needs twist, length and diameter). The zero is taken without it.</source>
        <translation>Отметьте, чтобы боковой ветер у дульного среза отбрасывал пулю вверх или вниз (аппроксимация Litz; нужны шаг нарезов, длина и диаметр). Пристрелка рассчитывается без этого.</translation>
    </message>
    <message>
        <source>The bullet diameter spin drift and stability use: the one entered, or the caliber&apos;s.</source>
        <translation>Диаметр пули для деривации и устойчивости: введённый или диаметр калибра.</translation>
    </message>
    <message>
        <source>Check to zero the rifle in the conditions below, in still air on a level range, and fly today&apos;s conditions at that angle.</source>
        <translation>Отметьте, чтобы пристрелять винтовку в условиях ниже, в безветрие на ровном стрельбище, и рассчитать полёт в сегодняшних условиях при этом угле.</translation>
    </message>
    <message>
        <source>Check to let the Earth&apos;s rotation move the bullet (Coriolis and Eotvos effects).</source>
        <translation>Отметьте, чтобы учитывать влияние вращения Земли на пулю (эффекты Кориолиса и Этвёша).</translation>
    </message>
    <message>
        <source>The muzzle velocity in feet per second that the powder temperature gives.</source>
        <translation>Начальная скорость в футах в секунду при данной температуре пороха.</translation>
    </message>
    <message>
        <source>Computes the sensitivity from the two velocities and their temperatures.</source>
        <translation>Вычисляет термочувствительность по двум скоростям и их температурам.</translation>
    </message>
    <message>
        <source>Check to fly the loaded Mach and drag-coefficient table instead of the drag function chosen.</source>
        <translation>Отметьте, чтобы использовать загруженную таблицу числа Маха и коэффициента сопротивления вместо выбранного закона сопротивления.</translation>
    </message>
    <message>
        <source>Loads a drag table from a CSV file: Mach and Cd on each line, Mach increasing, a header allowed.</source>
        <translation>Загружает таблицу сопротивления из CSV-файла: число Маха и Cd в каждой строке, Мах по возрастанию, заголовок допускается.</translation>
    </message>
    <message>
        <source>The drag table held, or what is wrong with the file last loaded.</source>
        <translation>Загруженная таблица сопротивления или ошибка в последнем загруженном файле.</translation>
    </message>
    <message>
        <source>The range of the observation in yards, 1 to 5000.</source>
        <translation>Дистанция наблюдения в ярдах, от 1 до 5000.</translation>
    </message>
    <message>
        <source>The elevation dialled or held up to hit the centre, in true MOA (1/60 degree).</source>
        <translation>Поправка по вертикали, введённая барабаном или выносом для попадания в центр, в истинных MOA (1/60 градуса).</translation>
    </message>
    <message>
        <source>The elevation dialled or held up to hit the centre, in mil.</source>
        <translation>Поправка по вертикали, введённая барабаном или выносом для попадания в центр, в mil.</translation>
    </message>
    <message>
        <source>The elevation dialled up to hit the centre, in clicks of the shot&apos;s click value.</source>
        <translation>Поправка по вертикали, введённая барабаном для попадания в центр, в кликах с ценой клика выстрела.</translation>
    </message>
    <message>
        <source>The drop in inches with the shot&apos;s own zero, negative below the line of sight.</source>
        <translation>Понижение в дюймах при пристрелке самого выстрела, отрицательное ниже линии прицеливания.</translation>
    </message>
    <message>
        <source>A velocity in feet per second measured at the range (a Doppler radar, a second chronograph).</source>
        <translation>Скорость в футах в секунду, измеренная на дистанции (доплеровским радаром, вторым хронографом).</translation>
    </message>
    <message>
        <source>The time of flight to the range in seconds.</source>
        <translation>Время полёта до дистанции в секундах.</translation>
    </message>
    <message>
        <source>How sure the row&apos;s holds and drop are, in MOA (0.1 when blank; half a click for clicks).</source>
        <translation>Точность поправок и понижения в строке, в MOA (0,1, если пусто; полклика для кликов).</translation>
    </message>
    <message>
        <source>How sure the row&apos;s velocity is, in feet per second (5 when blank).</source>
        <translation>Точность скорости в строке, в футах в секунду (5, если пусто).</translation>
    </message>
    <message>
        <source>No help topic is associated with this item.</source>
        <translation>Для этого элемента нет раздела справки.</translation>
    </message>
</context>
<context>
    <name>Language</name>
    <message>
        <source>System default</source>
        <translation>Как в системе</translation>
    </message>
    <message>
        <source>&amp;Language</source>
        <translation>&amp;Язык</translation>
    </message>
    <message>
        <source>Windows opened from now on use the chosen language. Windows already open keep theirs; the main window changes at the next start.</source>
        <translation>Окна, открытые с этого момента, используют выбранный язык. Уже открытые окна сохраняют свой; главное окно сменит язык при следующем запуске.</translation>
    </message>
    <message>
        <source>Preferences Not Saved</source>
        <translation>Настройки не сохранены</translation>
    </message>
    <message>
        <source>The theme could not be saved to &quot;%1&quot;.
%2</source>
        <translation>Не удалось сохранить тему в «%1».
%2</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Язык</translation>
    </message>
    <message>
        <source>The language could not be saved to &quot;%1&quot;.
%2</source>
        <translation>Не удалось сохранить язык в «%1».
%2</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>Zero Not Found</source>
        <translation>Пристрелка не найдена</translation>
    </message>
    <message>
        <source>Save As</source>
        <translation>Сохранить как</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Открыть</translation>
    </message>
</context>
<context>
    <name>QPrintPreviewDialog</name>
    <message>
        <source>Print Preview - %1</source>
        <translation>Предпросмотр печати - %1</translation>
    </message>
</context>
<context>
    <name>SideWindow</name>
    <message>
        <source>Wind Speed</source>
        <translation>Скорость ветра</translation>
    </message>
    <message>
        <source>m.p.h.</source>
        <translation>m.p.h.</translation>
    </message>
    <message>
        <source>Wind speed in miles per hour, 0 to 200; above 0 it replaces the Crosswind of the main window.</source>
        <translation>Скорость ветра в милях в час, от 0 до 200; больше 0 — заменяет боковой ветер главного окна.</translation>
    </message>
    <message>
        <source>Wind From</source>
        <translation>Ветер с</translation>
    </message>
    <message>
        <source>Where the wind comes from: 0 to 360 degrees clockwise from the target (90 from the right), or 0 to 12 on the clock face (12 from the target, 3 from the right).</source>
        <translation>Откуда дует ветер: от 0 до 360 градусов по часовой стрелке от цели (90 — справа) или от 0 до 12 по циферблату (12 — от цели, 3 — справа).</translation>
    </message>
    <message>
        <source>Twist Rate</source>
        <translation>Шаг нарезов</translation>
    </message>
    <message>
        <source>in./turn</source>
        <translation>in./turn</translation>
    </message>
    <message>
        <source>Barrel twist in inches per turn, 0 to 100; 0 leaves spin drift out.</source>
        <translation>Шаг нарезов ствола в дюймах на оборот, от 0 до 100; 0 отключает деривацию.</translation>
    </message>
    <message>
        <source>Bullet Length</source>
        <translation>Длина пули</translation>
    </message>
    <message>
        <source>in.</source>
        <translation>in.</translation>
    </message>
    <message>
        <source>Length of the bullet in inches, 0 to 10.</source>
        <translation>Длина пули в дюймах, от 0 до 10.</translation>
    </message>
    <message>
        <source>Bullet Diameter</source>
        <translation>Диаметр пули</translation>
    </message>
    <message>
        <source>Diameter of the bullet in inches, 0 to 2; 0 takes the caliber&apos;s bullet diameter (6.5x is 0.264, 30-0 0.308).</source>
        <translation>Диаметр пули в дюймах, от 0 до 2; 0 берёт диаметр пули калибра (6.5x — 0.264, 30-0 — 0.308).</translation>
    </message>
    <message>
        <source>Latitude</source>
        <translation>Широта</translation>
    </message>
    <message>
        <source>deg. N</source>
        <translation>deg. N</translation>
    </message>
    <message>
        <source>Latitude of the firing point in degrees, -90 to 90: north positive, south negative.</source>
        <translation>Широта точки стрельбы в градусах, от -90 до 90: север положительный, юг отрицательный.</translation>
    </message>
    <message>
        <source>Azimuth of Fire</source>
        <translation>Азимут стрельбы</translation>
    </message>
    <message>
        <source>deg.</source>
        <translation>deg.</translation>
    </message>
    <message>
        <source>Direction of fire in degrees clockwise from north, 0 to 360.</source>
        <translation>Направление стрельбы в градусах по часовой стрелке от севера, от 0 до 360.</translation>
    </message>
    <message>
        <source>Sensitivity</source>
        <translation>Термочувствительность</translation>
    </message>
    <message>
        <source>f.p.s./deg. F</source>
        <translation>f.p.s./deg. F</translation>
    </message>
    <message>
        <source>Change of muzzle velocity in feet per second per degree Fahrenheit of powder, -50 to 50; 0 is off.</source>
        <translation>Изменение начальной скорости в футах в секунду на градус Фаренгейта температуры пороха, от -50 до 50; 0 — выключено.</translation>
    </message>
    <message>
        <source>Powder Temp.</source>
        <translation>Темп. пороха</translation>
    </message>
    <message>
        <source>deg. F</source>
        <translation>deg. F</translation>
    </message>
    <message>
        <source>Temperature of the powder at the shot in degrees Fahrenheit, -150 to 150.</source>
        <translation>Температура пороха при выстреле в градусах Фаренгейта, от -150 до 150.</translation>
    </message>
    <message>
        <source>Reference Temp.</source>
        <translation>Опорная темп.</translation>
    </message>
    <message>
        <source>Powder temperature in degrees Fahrenheit, -150 to 150, at which the main window&apos;s velocity was measured.</source>
        <translation>Температура пороха в градусах Фаренгейта, от -150 до 150, при которой измерена скорость главного окна.</translation>
    </message>
    <message>
        <source>Temperature</source>
        <translation>Температура</translation>
    </message>
    <message>
        <source>Air temperature in degrees Fahrenheit, -150 to 150, on the day the rifle was zeroed.</source>
        <translation>Температура воздуха в градусах Фаренгейта, от -150 до 150, в день пристрелки винтовки.</translation>
    </message>
    <message>
        <source>Pressure</source>
        <translation>Давление</translation>
    </message>
    <message>
        <source>in. Hg</source>
        <translation>in. Hg</translation>
    </message>
    <message>
        <source>The barometer&apos;s reading where the rifle was zeroed, in inches of mercury, 10 to 35: the pressure at the site, not reduced to sea level.</source>
        <translation>Показание барометра там, где пристреливалась винтовка, в дюймах ртутного столба, от 10 до 35: давление на месте, не приведённое к уровню моря.</translation>
    </message>
    <message>
        <source>Humidity</source>
        <translation>Влажность</translation>
    </message>
    <message>
        <source>%</source>
        <translation>%</translation>
    </message>
    <message>
        <source>Relative humidity in percent, 0 to 100, on the day of the zero.</source>
        <translation>Относительная влажность в процентах, от 0 до 100, в день пристрелки.</translation>
    </message>
    <message>
        <source>Temperature of the powder in degrees Fahrenheit, -150 to 150, when the rifle was zeroed.</source>
        <translation>Температура пороха в градусах Фаренгейта, от -150 до 150, при пристрелке винтовки.</translation>
    </message>
    <message>
        <source>A chronograph velocity in feet per second, 1 to 5000, measured at the temperature beside it.</source>
        <translation>Скорость по хронографу в футах в секунду, от 1 до 5000, измеренная при температуре рядом.</translation>
    </message>
    <message>
        <source>Powder temperature in degrees Fahrenheit, -150 to 150, of the velocity beside it.</source>
        <translation>Температура пороха в градусах Фаренгейта, от -150 до 150, для скорости рядом.</translation>
    </message>
    <message>
        <source>A second chronograph velocity in feet per second, 1 to 5000, at another powder temperature.</source>
        <translation>Вторая скорость по хронографу в футах в секунду, от 1 до 5000, при другой температуре пороха.</translation>
    </message>
    <message>
        <source>Powder temperature in degrees Fahrenheit, -150 to 150, of the second velocity.</source>
        <translation>Температура пороха в градусах Фаренгейта, от -150 до 150, для второй скорости.</translation>
    </message>
    <message>
        <source>Velocity of a band in feet per second, 0 to 5000: the band&apos;s coefficient holds at and above it, up to the next faster band.</source>
        <translation>Скорость полосы в футах в секунду, от 0 до 5000: коэффициент полосы действует при этой скорости и выше, до следующей, более быстрой полосы.</translation>
    </message>
    <message>
        <source>Ballistic coefficient of the band, 0.0001 to 2, for the drag function.</source>
        <translation>Баллистический коэффициент полосы, от 0.0001 до 2, для закона сопротивления.</translation>
    </message>
    <message>
        <source>Range in yards, 1 to 100000, up to which this zone&apos;s wind blows (from the zone above); the last zone blows to the end.</source>
        <translation>Дистанция в ярдах, от 1 до 100000, до которой дует ветер этой зоны (от зоны выше); ветер последней зоны дует до конца.</translation>
    </message>
    <message>
        <source>Wind speed of the zone in miles per hour, 0 to 200.</source>
        <translation>Скорость ветра зоны в милях в час, от 0 до 200.</translation>
    </message>
    <message>
        <source>Where the zone&apos;s wind comes from: 0 to 360 degrees clockwise from the target (90 from the right).</source>
        <translation>Откуда дует ветер зоны: от 0 до 360 градусов по часовой стрелке от цели (90 — справа).</translation>
    </message>
    <message>
        <source>Adjusted Velocity</source>
        <translation>Скорректир. скорость</translation>
    </message>
    <message>
        <source>f.p.s.</source>
        <translation>f.p.s.</translation>
    </message>
    <message>
        <source>Near Velocity</source>
        <translation>Ближняя скорость</translation>
    </message>
    <message>
        <source>fps</source>
        <translation>fps</translation>
    </message>
    <message>
        <source>Velocity measured at the chronograph nearer the muzzle, in feet per second, 1 to 5000.</source>
        <translation>Скорость, измеренная хронографом ближе к дульному срезу, в футах в секунду, от 1 до 5000.</translation>
    </message>
    <message>
        <source>Far Velocity</source>
        <translation>Дальняя скорость</translation>
    </message>
    <message>
        <source>Velocity measured at the chronograph farther down range, in feet per second, 0 to 5000; it must be lower than the near velocity.</source>
        <translation>Скорость, измеренная хронографом дальше по трассе, в футах в секунду, от 0 до 5000; она должна быть ниже ближней скорости.</translation>
    </message>
    <message>
        <source>Distance</source>
        <translation>Расстояние</translation>
    </message>
    <message>
        <source>ft</source>
        <translation>ft</translation>
    </message>
    <message>
        <source>Distance between the two chronographs in feet, a whole number from 1 to 5000.</source>
        <translation>Расстояние между двумя хронографами в футах, целое число от 1 до 5000.</translation>
    </message>
    <message>
        <source>Target Diameter</source>
        <translation>Диаметр цели</translation>
    </message>
    <message>
        <source>Diameter of the vital zone in inches, 0.01 to 100; the bullet may rise or fall half of it from the line of sight.</source>
        <translation>Диаметр убойной зоны в дюймах, от 0.01 до 100; пуля может подниматься или опускаться от линии прицеливания на его половину.</translation>
    </message>
    <message>
        <source>Optimum Point Blank Zero</source>
        <translation>Оптимальная пристрелка</translation>
    </message>
    <message>
        <source>Minumum Point Blank Range</source>
        <translation>Начало ДПВ</translation>
    </message>
    <message>
        <source>Maximum Point Blank Range</source>
        <translation>Конец ДПВ</translation>
    </message>
    <message>
        <source>Velocity</source>
        <translation>Скорость</translation>
    </message>
    <message>
        <source>Bullet velocity in feet per second, 0 or more.</source>
        <translation>Скорость пули в футах в секунду, 0 или больше.</translation>
    </message>
    <message>
        <source>Weight</source>
        <translation>Масса</translation>
    </message>
    <message>
        <source>grains</source>
        <translation>гран</translation>
    </message>
    <message>
        <source>Bullet weight in grains, 0 or more.</source>
        <translation>Масса пули в гранах, 0 или больше.</translation>
    </message>
    <message>
        <source>Energy</source>
        <translation>Энергия</translation>
    </message>
    <message>
        <source>ft.lbs.</source>
        <translation>ft.lbs.</translation>
    </message>
    <message>
        <source>Bullet energy in foot-pounds, 0 or more.</source>
        <translation>Энергия пули в фут-фунтах, 0 или больше.</translation>
    </message>
    <message>
        <source>Power Factor</source>
        <translation>Фактор мощности</translation>
    </message>
    <message>
        <source>Power factor: weight in grains times velocity in feet per second, divided by 1000.</source>
        <translation>Фактор мощности: масса в гранах, умноженная на скорость в футах в секунду и делённая на 1000.</translation>
    </message>
    <message>
        <source>Gun Weight</source>
        <translation>Масса оружия</translation>
    </message>
    <message>
        <source>ounces</source>
        <translation>унции</translation>
    </message>
    <message>
        <source>Weight of the gun in ounces, 1 to 1000 (16 ounces make a pound).</source>
        <translation>Масса оружия в унциях, от 1 до 1000 (16 унций в фунте).</translation>
    </message>
    <message>
        <source>Powder Weight</source>
        <translation>Масса заряда</translation>
    </message>
    <message>
        <source>Weight of the powder charge in grains, 0 to 200.</source>
        <translation>Масса порохового заряда в гранах, от 0 до 200.</translation>
    </message>
    <message>
        <source>Recoil Energy</source>
        <translation>Энергия отдачи</translation>
    </message>
    <message>
        <source>Energy of the gun&apos;s recoil in foot-pounds.</source>
        <translation>Энергия отдачи оружия в фут-фунтах.</translation>
    </message>
    <message>
        <source>Terminal Range</source>
        <translation>Конечная дальность</translation>
    </message>
    <message>
        <source>yards</source>
        <translation>ярды</translation>
    </message>
    <message>
        <source>Firing Elevation  (deg.)</source>
        <translation>Угол возвышения  (deg.)</translation>
    </message>
    <message>
        <source>Maximum Height</source>
        <translation>Максимальная высота</translation>
    </message>
    <message>
        <source>feet</source>
        <translation>футы</translation>
    </message>
    <message>
        <source>Terminal Velocity</source>
        <translation>Конечная скорость</translation>
    </message>
    <message>
        <source>ft/sec</source>
        <translation>ft/sec</translation>
    </message>
    <message>
        <source>Terminal Energy</source>
        <translation>Конечная энергия</translation>
    </message>
    <message>
        <source>ft-lbs</source>
        <translation>ft-lbs</translation>
    </message>
    <message>
        <source>Time of Flight (sec.s)</source>
        <translation>Время полёта (sec.s)</translation>
    </message>
    <message>
        <source>velocity</source>
        <translation>скорость</translation>
    </message>
    <message>
        <source>BC</source>
        <translation>БК</translation>
    </message>
    <message>
        <source>range</source>
        <translation>дистанция</translation>
    </message>
    <message>
        <source>speed</source>
        <translation>скорость</translation>
    </message>
    <message>
        <source>direction</source>
        <translation>направление</translation>
    </message>
    <message>
        <source>Chronograph Velocity</source>
        <translation>Скорость по хронографу</translation>
    </message>
    <message>
        <source>BC Band Velocity</source>
        <translation>Скорость полосы БК</translation>
    </message>
    <message>
        <source>Wind Zone Range</source>
        <translation>Дистанция зоны ветра</translation>
    </message>
    <message>
        <source>yd.</source>
        <translation>yd.</translation>
    </message>
    <message>
        <source>Wind Zone Speed</source>
        <translation>Скорость ветра зоны</translation>
    </message>
    <message>
        <source>BC Bands: from</source>
        <translation>Полосы БК: от</translation>
    </message>
    <message>
        <source>To</source>
        <translation>До</translation>
    </message>
</context>
<context>
    <name>SightPicture</name>
    <message>
        <source>first focal plane</source>
        <translation>первая фокальная плоскость</translation>
    </message>
    <message>
        <source>%1x, true at %2x</source>
        <translation>%1x, истинна при %2x</translation>
    </message>
    <message>
        <source>the shot&apos;s wind</source>
        <translation>ветер выстрела</translation>
    </message>
    <message>
        <source>shot</source>
        <translation>выстрел</translation>
    </message>
</context>
<context>
    <name>TableDialogs</name>
    <message>
        <source>Save As</source>
        <translation>Сохранить как</translation>
    </message>
    <message>
        <source>Text Files (*.txt)</source>
        <translation>Текстовые файлы (*.txt)</translation>
    </message>
    <message>
        <source>Export CSV</source>
        <translation>Экспорт CSV</translation>
    </message>
    <message>
        <source>CSV Files (*.csv)</source>
        <translation>Файлы CSV (*.csv)</translation>
    </message>
    <message>
        <source>Export Field Card</source>
        <translation>Экспорт полевой карточки</translation>
    </message>
    <message>
        <source>Field Cards (*.pdf *.svg *.png)</source>
        <translation>Полевые карточки (*.pdf *.svg *.png)</translation>
    </message>
</context>
<context>
    <name>Theme</name>
    <message>
        <source>&amp;Theme</source>
        <translation>&amp;Тема</translation>
    </message>
    <message>
        <source>&amp;System</source>
        <translation>&amp;Системная</translation>
    </message>
    <message>
        <source>&amp;Light</source>
        <translation>С&amp;ветлая</translation>
    </message>
    <message>
        <source>&amp;Dark</source>
        <translation>&amp;Тёмная</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>vorlan needs a graphical display (X or Wayland: DISPLAY or WAYLAND_DISPLAY) and found none.
vorlan-cli computes the same tables and calculations without one.
</source>
        <translation>vorlan нужен графический дисплей (X или Wayland: DISPLAY или WAYLAND_DISPLAY), но он не найден.
vorlan-cli вычисляет те же таблицы и расчёты без него.
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
        <translation>Использование: vorlan [QT-ПАРАМЕТРЫ] [ВЫСТРЕЛ.vxf]
Баллистический калькулятор внешней баллистики Vorlan: один выстрел на окно, его баллистическая таблица,
график и дополнительные расчёты.

  ВЫСТРЕЛ.vxf  файл выстрела, открываемый после чтения настроек
  QT-ПАРАМЕТРЫ стандартные параметры программ Qt (-platform ИМЯ, -style ИМЯ, ...)
  --help       показать эту справку и выйти
  --version    показать версию и выйти

Программа командной строки vorlan-cli выполняет те же расчёты без окна.
</translation>
    </message>
</context>
<context>
    <name>vorlan::CAboutDlg</name>
    <message>
        <source>Exterior ballistics and range tables for small arms and airguns</source>
        <translation>Внешняя баллистика и баллистические таблицы для стрелкового и пневматического оружия</translation>
    </message>
    <message>
        <source>Copyright (C) 2026 the Vorlan developers</source>
        <translation>Copyright (C) 2026 разработчики Vorlan</translation>
    </message>
    <message>
        <source>About Vorlan</source>
        <translation>О программе Vorlan</translation>
    </message>
    <message>
        <source>Vorlan Version %1</source>
        <translation>Vorlan, версия %1</translation>
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
        <translation>Полоса БК %1</translation>
    </message>
    <message>
        <source>BC</source>
        <translation>БК</translation>
    </message>
    <message>
        <source>%1 needs its %2: please enter a number, or clear the row.</source>
        <translation>%1: нужно значение «%2» — введите число или очистите строку.</translation>
    </message>
    <message>
        <source>Wind zone %1</source>
        <translation>Зона ветра %1</translation>
    </message>
    <message>
        <source>Table of %1 points</source>
        <translation>Таблица из %1 точек</translation>
    </message>
    <message>
        <source>No table loaded</source>
        <translation>Таблица не загружена</translation>
    </message>
    <message>
        <source>Load Drag Table</source>
        <translation>Загрузить таблицу сопротивления</translation>
    </message>
    <message>
        <source>CSV Files (*.csv)</source>
        <translation>Файлы CSV (*.csv)</translation>
    </message>
    <message>
        <source>All Files (*)</source>
        <translation>Все файлы (*)</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>%1: table of %2 points</source>
        <translation>%1: таблица из %2 точек</translation>
    </message>
    <message>
        <source>Please enter two different powder temperatures.</source>
        <translation>Введите две разные температуры пороха.</translation>
    </message>
    <message>
        <source>The caliber names no diameter: enter Bullet Diameter.</source>
        <translation>Для калибра не указан диаметр: введите диаметр пули.</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Закрыть</translation>
    </message>
    <message>
        <source>Advanced</source>
        <translation>Дополнительно</translation>
    </message>
    <message>
        <source>Diameter in use: %1 (%2)</source>
        <translation>Используемый диаметр: %1 (%2)</translation>
    </message>
    <message>
        <source>in.</source>
        <translation>in.</translation>
    </message>
    <message>
        <source>Degrees</source>
        <translation>Градусы</translation>
    </message>
    <message>
        <source>Clock</source>
        <translation>Часы</translation>
    </message>
    <message>
        <source>Wind</source>
        <translation>Ветер</translation>
    </message>
    <message>
        <source>Left-Hand Twist</source>
        <translation>Левые нарезы</translation>
    </message>
    <message>
        <source>Aerodynamic Jump</source>
        <translation>Аэродинамический скачок</translation>
    </message>
    <message>
        <source>Stability Factor (Sg)</source>
        <translation>Фактор устойчивости (Sg)</translation>
    </message>
    <message>
        <source>Spin</source>
        <translation>Вращение</translation>
    </message>
    <message>
        <source>Earth&apos;s Rotation (Coriolis)</source>
        <translation>Вращение Земли (Кориолис)</translation>
    </message>
    <message>
        <source>Coriolis</source>
        <translation>Кориолис</translation>
    </message>
    <message>
        <source>Compute</source>
        <translation>Рассчитать</translation>
    </message>
    <message>
        <source>From Two Chronograph Readings</source>
        <translation>По двум показаниям хронографа</translation>
    </message>
    <message>
        <source>Powder</source>
        <translation>Порох</translation>
    </message>
    <message>
        <source>Custom</source>
        <translation>Своя таблица</translation>
    </message>
    <message>
        <source>Load CSV...</source>
        <translation>Загрузить CSV...</translation>
    </message>
    <message>
        <source>Drag</source>
        <translation>Сопротивление</translation>
    </message>
    <message>
        <source>From (deg.)</source>
        <translation>С (deg.)</translation>
    </message>
    <message>
        <source>Wind Zones</source>
        <translation>Зоны ветра</translation>
    </message>
    <message>
        <source>Zero in These Conditions</source>
        <translation>Пристрелка в этих условиях</translation>
    </message>
    <message>
        <source>Zero Conditions</source>
        <translation>Условия пристрелки</translation>
    </message>
    <message>
        <source>Fit the velocity and the drag to the holds observed at real ranges.</source>
        <translation>Подогнать скорость и сопротивление под поправки, наблюдаемые на реальных дистанциях.</translation>
    </message>
    <message>
        <source>&amp;Truing...</source>
        <translation>&amp;Калибровка...</translation>
    </message>
    <message>
        <source>Truing</source>
        <translation>Калибровка</translation>
    </message>
    <message>
        <source>at</source>
        <translation>при</translation>
    </message>
</context>
<context>
    <name>vorlan::CColorDlg</name>
    <message>
        <source>Dialog Color</source>
        <translation>Цвет окон</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Сохранить</translation>
    </message>
    <message>
        <source>Revert</source>
        <translation>Вернуть</translation>
    </message>
    <message>
        <source>Red</source>
        <translation>Красный</translation>
    </message>
    <message>
        <source>Green</source>
        <translation>Зелёный</translation>
    </message>
    <message>
        <source>Blue</source>
        <translation>Синий</translation>
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
        <translation>Неверный ввод</translation>
    </message>
</context>
<context>
    <name>vorlan::CComputeBC</name>
    <message>
        <source>The two velocities are equal: there is no loss to measure.</source>
        <translation>Две скорости равны: нет потери скорости для измерения.</translation>
    </message>
    <message>
        <source>The far velocity is above the near one: no coefficient slows a bullet that way.</source>
        <translation>Дальняя скорость выше ближней: ни один коэффициент так пулю не замедляет.</translation>
    </message>
    <message>
        <source>The loss is too small over this distance: the coefficient would be above 1.</source>
        <translation>Потеря скорости слишком мала на этом расстоянии: коэффициент был бы больше 1.</translation>
    </message>
    <message>
        <source>These readings give no usable coefficient.</source>
        <translation>Эти показания не дают пригодного коэффициента.</translation>
    </message>
    <message>
        <source>Compute Ballistic Coefficient</source>
        <translation>Расчёт баллистического коэффициента</translation>
    </message>
    <message>
        <source>New BC</source>
        <translation>Новый БК</translation>
    </message>
    <message>
        <source>Set New BC</source>
        <translation>Задать новый БК</translation>
    </message>
    <message>
        <source>Compute</source>
        <translation>Рассчитать</translation>
    </message>
    <message>
        <source>New BC  (%1)</source>
        <translation>Новый БК  (%1)</translation>
    </message>
</context>
<context>
    <name>vorlan::CComputeOPBZ</name>
    <message>
        <source>Compute Optimum Point Blank Zero (OPBZ)</source>
        <translation>Расчёт оптимальной пристрелки на ДПВ</translation>
    </message>
    <message>
        <source>Compute</source>
        <translation>Рассчитать</translation>
    </message>
</context>
<context>
    <name>vorlan::CEVWCalculations</name>
    <message>
        <source>Energy from Velocity and Weight</source>
        <translation>Энергия по скорости и массе</translation>
    </message>
    <message>
        <source>Velocity from Weight and Energy</source>
        <translation>Скорость по массе и энергии</translation>
    </message>
    <message>
        <source>Weight from Velocity and Energy</source>
        <translation>Масса по скорости и энергии</translation>
    </message>
    <message>
        <source>Energy, Velocity and Weight Calculations</source>
        <translation>Расчёт энергии, скорости и массы</translation>
    </message>
    <message>
        <source>Calculate</source>
        <translation>Рассчитать</translation>
    </message>
</context>
<context>
    <name>vorlan::CFieldCardDlg</name>
    <message>
        <source>Left out to keep the type at %1 pt or more: %2. Choose fewer columns or a larger card.</source>
        <translation>Опущено, чтобы шрифт был не меньше %1 pt: %2. Выберите меньше колонок или карточку крупнее.</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Нет</translation>
    </message>
    <message>
        <source>The holds of the card&apos;s rows and winds drawn on a reticle, beside the table (pocket and half cards)</source>
        <translation>Выносы для строк и ветров карточки на прицельной сетке, рядом с таблицей (карманная карточка и на полстраницы)</translation>
    </message>
    <message>
        <source>Sight picture</source>
        <translation>Прицельная картинка</translation>
    </message>
    <message>
        <source>&amp;Sight Picture...</source>
        <translation>При&amp;цельная картинка...</translation>
    </message>
    <message>
        <source>Field Card - %1</source>
        <translation>Полевая карточка - %1</translation>
    </message>
    <message>
        <source>from:to:step</source>
        <translation>от:до:шаг</translation>
    </message>
    <message>
        <source>Gong 1 = 327
Ridge = 612</source>
        <translation>Гонг 1 = 327
Гребень = 612</translation>
    </message>
    <message>
        <source>none</source>
        <translation>нет</translation>
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
        <translation>Клики по %1</translation>
    </message>
    <message>
        <source>Imperial</source>
        <translation>Имперские</translation>
    </message>
    <message>
        <source>Metric</source>
        <translation>Метрические</translation>
    </message>
    <message>
        <source>Velocity</source>
        <translation>Скорость</translation>
    </message>
    <message>
        <source>Time of flight</source>
        <translation>Время полёта</translation>
    </message>
    <message>
        <source>Energy</source>
        <translation>Энергия</translation>
    </message>
    <message>
        <source>One card</source>
        <translation>Одна карточка</translation>
    </message>
    <message>
        <source>Several on letter</source>
        <translation>Несколько на Letter</translation>
    </message>
    <message>
        <source>Several on A4</source>
        <translation>Несколько на A4</translation>
    </message>
    <message>
        <source>Ranges (from:to:step)</source>
        <translation>Дистанции (от:до:шаг)</translation>
    </message>
    <message>
        <source>Targets (name = range)</source>
        <translation>Цели (имя = дистанция)</translation>
    </message>
    <message>
        <source>Winds</source>
        <translation>Ветры</translation>
    </message>
    <message>
        <source>Temperatures</source>
        <translation>Температуры</translation>
    </message>
    <message>
        <source>Elevation and wind in</source>
        <translation>Поправки в</translation>
    </message>
    <message>
        <source>Units</source>
        <translation>Единицы</translation>
    </message>
    <message>
        <source>Also</source>
        <translation>Также</translation>
    </message>
    <message>
        <source>Card</source>
        <translation>Карточка</translation>
    </message>
    <message>
        <source>Sheet</source>
        <translation>Лист</translation>
    </message>
    <message>
        <source>&amp;Print...</source>
        <translation>&amp;Печать...</translation>
    </message>
    <message>
        <source>Print Pre&amp;view</source>
        <translation>Пре&amp;дпросмотр</translation>
    </message>
    <message>
        <source>P&amp;rint Setup...</source>
        <translation>Пара&amp;метры печати...</translation>
    </message>
    <message>
        <source>&amp;Export...</source>
        <translation>&amp;Экспорт...</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Закрыть</translation>
    </message>
    <message>
        <source>Pocket</source>
        <translation>Карманная</translation>
    </message>
    <message>
        <source>Half page</source>
        <translation>Полстраницы</translation>
    </message>
    <message>
        <source>Full page</source>
        <translation>Страница</translation>
    </message>
    <message>
        <source>Strip</source>
        <translation>Полоса</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <source>Up to three, deg. C</source>
        <translation>До трёх, °C</translation>
    </message>
    <message>
        <source>Up to three, deg. F</source>
        <translation>До трёх, °F</translation>
    </message>
    <message>
        <source>The field card could not be saved to &quot;%1&quot;.
%2</source>
        <translation>Не удалось сохранить полевую карточку в «%1».
%2</translation>
    </message>
    <message>
        <source>%1, full value from the right</source>
        <translation>%1, полный боковой справа</translation>
    </message>
</context>
<context>
    <name>vorlan::CHitProbabilityDlg</name>
    <message>
        <source>From C&amp;hronograph...</source>
        <translation>Из &amp;хронографа...</translation>
    </message>
    <message>
        <source>Muzzle &amp;velocity SD</source>
        <translation>СКО начальной &amp;скорости</translation>
    </message>
    <message>
        <source>&amp;BC SD</source>
        <translation>СКО &amp;БК</translation>
    </message>
    <message>
        <source>&amp;Range estimate SD</source>
        <translation>СКО оценки &amp;дистанции</translation>
    </message>
    <message>
        <source>&amp;Wind call SD</source>
        <translation>СКО оценки &amp;ветра</translation>
    </message>
    <message>
        <source>Wind &amp;direction SD</source>
        <translation>СКО &amp;направления ветра</translation>
    </message>
    <message>
        <source>&amp;Precision</source>
        <translation>&amp;Кучность</translation>
    </message>
    <message>
        <source>&amp;Cant SD</source>
        <translation>СКО &amp;завала</translation>
    </message>
    <message>
        <source>&amp;Target</source>
        <translation>&amp;Цель</translation>
    </message>
    <message>
        <source>&amp;Ethical P(hit)</source>
        <translation>&amp;Этичная P(попадания)</translation>
    </message>
    <message>
        <source>&amp;Samples</source>
        <translation>В&amp;ыборка</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Закрыть</translation>
    </message>
    <message>
        <source>Si&amp;ght Picture...</source>
        <translation>Прицельная ка&amp;ртинка...</translation>
    </message>
    <message>
        <source>Groups of %1 shots measuring %2 MOA from centre to centre, on average, are a spread of %3 MOA per axis: the mean extreme spread of %1 shots is %4 standard deviations.</source>
        <translation>Группы из %1 выстрелов размером в среднем %2 MOA между центрами пробоин дают разброс %3 MOA по каждой оси: средний размах группы из %1 выстрелов составляет %4 СКО.</translation>
    </message>
    <message>
        <source>The table has no range to count hits at.</source>
        <translation>В таблице нет дистанции для подсчёта попаданий.</translation>
    </message>
    <message>
        <source>Counting...</source>
        <translation>Подсчёт...</translation>
    </message>
    <message>
        <source>%1 sampled</source>
        <translation>%1 по выборке</translation>
    </message>
    <message>
        <source>Error budget, in %1 ms.</source>
        <translation>Бюджет ошибок, за %1 мс.</translation>
    </message>
    <message>
        <source>Error budget, in %1 ms; %2 of %3 ranges sampled (%4 samples, seed %5), the impact being far from linear there.</source>
        <translation>Бюджет ошибок, за %1 мс; %2 из %3 дистанций рассчитаны выборкой (%4 выборок, seed %5), так как там попадание далеко от линейного.</translation>
    </message>
    <message>
        <source>No input alone makes a miss.</source>
        <translation>Ни один входной параметр сам по себе не даёт промаха.</translation>
    </message>
    <message>
        <source> ± %1 %</source>
        <translation> ± %1 %</translation>
    </message>
    <message>
        <source>%1: &quot;%2&quot; is not a number.</source>
        <translation>%1: «%2» — не число.</translation>
    </message>
    <message>
        <source>Hit Probability - %1</source>
        <translation>Вероятность попадания - %1</translation>
    </message>
    <message>
        <source>No spread is set: assumed are the typical spreads of a practised rifleman (velocity %1 %2, coefficient 2 %, range 3 %, wind call %3 %4, precision 0.5 MOA). OK keeps them with the shot.</source>
        <translation>Разброс не задан: приняты типичные разбросы опытного стрелка (скорость %1 %2, коэффициент 2 %, дистанция 3 %, оценка ветра %3 %4, кучность 0.5 MOA). OK сохраняет их в выстреле.</translation>
    </message>
    <message>
        <source>Ethical P(hit)</source>
        <translation>Этичная P(попадания)</translation>
    </message>
    <message>
        <source>Ethical P(hit): a percentage from 0 to 100.</source>
        <translation>Этичная P(попадания): процент от 0 до 100.</translation>
    </message>
    <message>
        <source>Samples</source>
        <translation>Выборка</translation>
    </message>
    <message>
        <source>Samples: a whole number from %1 to %2.</source>
        <translation>Выборка: целое число от %1 до %2.</translation>
    </message>
    <message>
        <source>Muzzle velocity SD</source>
        <translation>СКО начальной скорости</translation>
    </message>
    <message>
        <source>Range estimate SD</source>
        <translation>СКО оценки дистанции</translation>
    </message>
    <message>
        <source>Wind call SD</source>
        <translation>СКО оценки ветра</translation>
    </message>
    <message>
        <source>BC SD</source>
        <translation>СКО БК</translation>
    </message>
    <message>
        <source>Wind direction SD</source>
        <translation>СКО направления ветра</translation>
    </message>
    <message>
        <source>Cant SD</source>
        <translation>СКО завала</translation>
    </message>
    <message>
        <source>Precision</source>
        <translation>Кучность</translation>
    </message>
    <message>
        <source>Shots in the group</source>
        <translation>Выстрелов в группе</translation>
    </message>
    <message>
        <source>Shots in the group: a group of 2 to 10 shots.</source>
        <translation>Выстрелов в группе: группа из 2–10 выстрелов.</translation>
    </message>
    <message>
        <source>Target width</source>
        <translation>Ширина цели</translation>
    </message>
    <message>
        <source>Target height</source>
        <translation>Высота цели</translation>
    </message>
    <message>
        <source>Target: give its size in inches.</source>
        <translation>Цель: укажите её размер в дюймах.</translation>
    </message>
    <message>
        <source>Target: give its size in %1.</source>
        <translation>Цель: укажите её размер в %1.</translation>
    </message>
    <message>
        <source>P(hit) at %1: %2 %</source>
        <translation>P(попадания) на %1: %2 %</translation>
    </message>
    <message>
        <source>P(hit) at %1: beyond the table</source>
        <translation>P(попадания) на %1: за пределами таблицы</translation>
    </message>
    <message>
        <source>Farthest ethical range: %1 (P(hit) stays at or above %2 % up to it).</source>
        <translation>Наибольшая этичная дистанция: %1 (до неё P(попадания) не ниже %2 %).</translation>
    </message>
    <message>
        <source>Farthest ethical range: none (P(hit) is below %1 % at %2 already).</source>
        <translation>Наибольшая этичная дистанция: нет (P(попадания) ниже %1 % уже на %2).</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <translation>%1 %2</translation>
    </message>
    <message>
        <source>Standard deviation of the muzzle velocity from shot to shot</source>
        <translation>СКО начальной скорости от выстрела к выстрелу</translation>
    </message>
    <message>
        <source>How well the ballistic coefficient is known, in percent of it</source>
        <translation>Насколько точно известен баллистический коэффициент, в процентах от него</translation>
    </message>
    <message>
        <source>Standard deviation of the range estimate</source>
        <translation>СКО оценки дистанции</translation>
    </message>
    <message>
        <source>Standard deviation of the wind call&apos;s speed</source>
        <translation>СКО скорости ветра при его оценке</translation>
    </message>
    <message>
        <source>Standard deviation of the wind call&apos;s direction</source>
        <translation>СКО направления ветра при его оценке</translation>
    </message>
    <message>
        <source>The rifle and shooter&apos;s spread of shots at the same aim</source>
        <translation>Разброс выстрелов винтовки и стрелка при одной точке прицеливания</translation>
    </message>
    <message>
        <source>Shots in each group measured (2 to 10)</source>
        <translation>Выстрелов в каждой измеренной группе (от 2 до 10)</translation>
    </message>
    <message>
        <source>Standard deviation of the rifle&apos;s cant at the shot</source>
        <translation>СКО завала винтовки при выстреле</translation>
    </message>
    <message>
        <source>The diameter of the circle (the OPBZ vital zone unless set), or the width</source>
        <translation>Диаметр круга (убойная зона ДПВ, если не задан) или ширина</translation>
    </message>
    <message>
        <source>The height of the rectangle</source>
        <translation>Высота прямоугольника</translation>
    </message>
    <message>
        <source>The P(hit) an ethical shot must reach</source>
        <translation>P(попадания), которой должен достигать этичный выстрел</translation>
    </message>
    <message>
        <source>Sampled shots where the error budget falls back to samples: more shrink the error as one over their square root</source>
        <translation>Число выстрелов выборки там, где бюджет ошибок переходит на выборку: чем их больше, тем меньше ошибка, обратно корню из их числа</translation>
    </message>
    <message>
        <source>% of range</source>
        <translation>% дистанции</translation>
    </message>
    <message>
        <source>MOA, SD per axis</source>
        <translation>MOA, СКО по оси</translation>
    </message>
    <message>
        <source>MOA group of</source>
        <translation>MOA, группа из</translation>
    </message>
    <message>
        <source>Circle</source>
        <translation>Круг</translation>
    </message>
    <message>
        <source>Rectangle</source>
        <translation>Прямоугольник</translation>
    </message>
    <message>
        <source>shots</source>
        <translation>выстр.</translation>
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
        <translation>P(попад.) %</translation>
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
        <translation>Дистанция (m)</translation>
    </message>
    <message>
        <source>Range (yd)</source>
        <translation>Дистанция (yd)</translation>
    </message>
</context>
<context>
    <name>vorlan::CLibraryDlg</name>
    <message>
        <source>Library</source>
        <translation>Библиотека</translation>
    </message>
    <message>
        <source>&amp;Folder...</source>
        <translation>&amp;Папка...</translation>
    </message>
    <message>
        <source>Filter: any text shown</source>
        <translation>Фильтр: любой показанный текст</translation>
    </message>
    <message>
        <source>Fil&amp;ter:</source>
        <translation>&amp;Фильтр:</translation>
    </message>
    <message>
        <source>&amp;Open</source>
        <translation>&amp;Открыть</translation>
    </message>
    <message>
        <source>&amp;Save Current Shot...</source>
        <translation>&amp;Сохранить текущий выстрел...</translation>
    </message>
    <message>
        <source>&amp;Duplicate</source>
        <translation>&amp;Дублировать</translation>
    </message>
    <message>
        <source>&amp;Rename...</source>
        <translation>Пере&amp;именовать...</translation>
    </message>
    <message>
        <source>&amp;Move to Rifle...</source>
        <translation>Пере&amp;местить к винтовке...</translation>
    </message>
    <message>
        <source>De&amp;lete</source>
        <translation>&amp;Удалить</translation>
    </message>
    <message>
        <source>&amp;Import...</source>
        <translation>Импо&amp;рт...</translation>
    </message>
    <message>
        <source>&amp;Export...</source>
        <translation>&amp;Экспорт...</translation>
    </message>
    <message>
        <source>From C&amp;hronograph...</source>
        <translation>Из &amp;хронографа...</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Закрыть</translation>
    </message>
    <message numerus="yes">
        <source>%n file(s) could not be read: %1</source>
        <translation>
            <numerusform>%n файл не удалось прочитать: %1</numerusform>
            <numerusform>%n файла не удалось прочитать: %1</numerusform>
            <numerusform>%n файлов не удалось прочитать: %1</numerusform>
        </translation>
    </message>
    <message>
        <source>A7P Profiles (*.a7p)</source>
        <translation>Профили A7P (*.a7p)</translation>
    </message>
    <message>
        <source>Opened &quot;%1&quot; in the main window.</source>
        <translation>«%1» открыт в главном окне.</translation>
    </message>
    <message>
        <source>Save Current Shot</source>
        <translation>Сохранить текущий выстрел</translation>
    </message>
    <message>
        <source>Not saved: %1</source>
        <translation>Не сохранено: %1</translation>
    </message>
    <message>
        <source>(no rifle)</source>
        <translation>(без винтовки)</translation>
    </message>
    <message>
        <source>&quot;%1&quot; of %2 is in the library already. Replace it with the shot on screen?</source>
        <translation>«%1» винтовки %2 уже есть в библиотеке. Заменить его выстрелом на экране?</translation>
    </message>
    <message>
        <source>Saved &quot;%1&quot;.</source>
        <translation>Сохранено: «%1».</translation>
    </message>
    <message>
        <source>Duplicated as &quot;%1&quot;.</source>
        <translation>Продублировано как «%1».</translation>
    </message>
    <message>
        <source>Rename</source>
        <translation>Переименовать</translation>
    </message>
    <message>
        <source>Not renamed: a load needs a name.</source>
        <translation>Не переименовано: патрону нужно название.</translation>
    </message>
    <message>
        <source>Not renamed: %1</source>
        <translation>Не переименовано: %1</translation>
    </message>
    <message>
        <source>Renamed to &quot;%1&quot;.</source>
        <translation>Переименовано в «%1».</translation>
    </message>
    <message>
        <source>Move to Rifle</source>
        <translation>Переместить к винтовке</translation>
    </message>
    <message>
        <source>Not moved: %1</source>
        <translation>Не перемещено: %1</translation>
    </message>
    <message>
        <source>Moved to (no rifle).</source>
        <translation>Перемещено в (без винтовки).</translation>
    </message>
    <message>
        <source>Moved to %1.</source>
        <translation>Перемещено к %1.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; moved to the trash.</source>
        <translation>«%1» перемещён в корзину.</translation>
    </message>
    <message>
        <source>Import</source>
        <translation>Импорт</translation>
    </message>
    <message>
        <source>Shot Files and Profiles (*.vxf *.a7p)</source>
        <translation>Файлы выстрелов и профили (*.vxf *.a7p)</translation>
    </message>
    <message>
        <source>Imported &quot;%1&quot; as &quot;%2&quot;.</source>
        <translation>«%1» импортирован как «%2».</translation>
    </message>
    <message>
        <source>These fields of the profile have no place in a shot; the load keeps them for its export:
%1</source>
        <translation>Эти поля профиля не имеют места в выстреле; патрон сохраняет их для экспорта:
%1</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>Экспорт</translation>
    </message>
    <message>
        <source>Exported to &quot;%1&quot;.</source>
        <translation>Экспортировано в «%1».</translation>
    </message>
    <message>
        <source>&quot;%1&quot; takes a muzzle velocity of %2 ft/s and an MV SD of %3 ft/s.</source>
        <translation>«%1» получает начальную скорость %2 ft/s и СКО V0 %3 ft/s.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; takes an MV SD of %2 ft/s.</source>
        <translation>«%1» получает СКО V0 %2 ft/s.</translation>
    </message>
    <message>
        <source>Library Folder</source>
        <translation>Папка библиотеки</translation>
    </message>
    <message>
        <source>The folder could not be remembered in &quot;%1&quot;: %2</source>
        <translation>Не удалось запомнить папку в «%1»: %2</translation>
    </message>
    <message>
        <source>VXF Files (*.vxf)</source>
        <translation>Файлы VXF (*.vxf)</translation>
    </message>
</context>
<context>
    <name>vorlan::CMaximumRangeDlg</name>
    <message>
        <source>Compute Maximum Range</source>
        <translation>Расчёт максимальной дальности</translation>
    </message>
    <message>
        <source>(G1 Drag)</source>
        <translation>(закон G1)</translation>
    </message>
    <message>
        <source>Maximum Distance</source>
        <translation>Максимальная дальность</translation>
    </message>
    <message>
        <source>Maximum Height</source>
        <translation>Максимальная высота</translation>
    </message>
    <message>
        <source>(%1 Drag Function)</source>
        <translation>(закон сопротивления %1)</translation>
    </message>
</context>
<context>
    <name>vorlan::CShoot</name>
    <message>
        <source>Shot Comparison Results</source>
        <translation>Результаты сравнения выстрелов</translation>
    </message>
    <message>
        <source>&amp;Chart</source>
        <translation>&amp;График</translation>
    </message>
    <message>
        <source>Relative Drop (in.)</source>
        <translation>Относит. понижение (in.)</translation>
    </message>
    <message>
        <source>Relative Drop (%1)</source>
        <translation>Относит. понижение (%1)</translation>
    </message>
    <message>
        <source>Relative Drift (in.)</source>
        <translation>Относит. снос (in.)</translation>
    </message>
    <message>
        <source>Relative Drift (%1)</source>
        <translation>Относит. снос (%1)</translation>
    </message>
    <message>
        <source>Target Range (yards)</source>
        <translation>Дистанция до цели (ярды)</translation>
    </message>
    <message>
        <source>Target Range (%1)</source>
        <translation>Дистанция до цели (%1)</translation>
    </message>
    <message>
        <source>Baseline Gun/Projectile/Shot Name</source>
        <translation>Эталон: оружие/пуля/выстрел</translation>
    </message>
    <message>
        <source>Current Gun/Projectile/Shot Name</source>
        <translation>Текущий: оружие/пуля/выстрел</translation>
    </message>
</context>
<context>
    <name>vorlan::CSightPictureDlg</name>
    <message>
        <source>Sight Picture - %1</source>
        <translation>Прицельная картинка - %1</translation>
    </message>
    <message>
        <source>Reticle &amp;File...</source>
        <translation>&amp;Файл сетки...</translation>
    </message>
    <message>
        <source>as the reticle is made</source>
        <translation>как изготовлена сетка</translation>
    </message>
    <message>
        <source>A magnification here makes the reticle second focal plane, true at it</source>
        <translation>Кратность здесь делает сетку сеткой второй фокальной плоскости, истинной при ней</translation>
    </message>
    <message>
        <source>Dial the elevation, hold the wind</source>
        <translation>Вертикаль барабаном, ветер выносом</translation>
    </message>
    <message>
        <source>Hold everything</source>
        <translation>Всё выносом</translation>
    </message>
    <message>
        <source>Dial the zero at a range, hold the rest</source>
        <translation>Барабаном пристрелку на дистанцию, остальное выносом</translation>
    </message>
    <message>
        <source>e.g. 300, 400, 500</source>
        <translation>напр. 300, 400, 500</translation>
    </message>
    <message>
        <source>Full value from the right</source>
        <translation>Полный боковой справа</translation>
    </message>
    <message>
        <source>&amp;Reticle</source>
        <translation>&amp;Сетка</translation>
    </message>
    <message>
        <source>&amp;Magnification</source>
        <translation>&amp;Кратность</translation>
    </message>
    <message>
        <source>Second plane, &amp;true at</source>
        <translation>Вторая плоскость, &amp;истинна при</translation>
    </message>
    <message>
        <source>&amp;Holds</source>
        <translation>&amp;Выносы</translation>
    </message>
    <message>
        <source>&amp;Zero dialled at (m)</source>
        <translation>Пристрелка &amp;барабаном на (m)</translation>
    </message>
    <message>
        <source>&amp;Zero dialled at (yd)</source>
        <translation>Пристрелка &amp;барабаном на (yd)</translation>
    </message>
    <message>
        <source>Ra&amp;nges (m)</source>
        <translation>&amp;Дистанции (m)</translation>
    </message>
    <message>
        <source>Ra&amp;nges (yd)</source>
        <translation>&amp;Дистанции (yd)</translation>
    </message>
    <message>
        <source>Open Reticle</source>
        <translation>Открыть сетку</translation>
    </message>
    <message>
        <source>Reticle Files (*.vrt)</source>
        <translation>Файлы сеток (*.vrt)</translation>
    </message>
    <message>
        <source>All Files (*)</source>
        <translation>Все файлы (*)</translation>
    </message>
    <message>
        <source>&amp;Print...</source>
        <translation>&amp;Печать...</translation>
    </message>
    <message>
        <source>Print Pre&amp;view</source>
        <translation>П&amp;редпросмотр</translation>
    </message>
    <message>
        <source>&amp;Export...</source>
        <translation>&amp;Экспорт...</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Закрыть</translation>
    </message>
    <message>
        <source>The magnification is not a number.</source>
        <translation>Кратность — не число.</translation>
    </message>
    <message>
        <source>The magnification the reticle is true at is not a number.</source>
        <translation>Кратность, при которой сетка истинна, — не число.</translation>
    </message>
    <message>
        <source>The range of the zero is not a number.</source>
        <translation>Дистанция пристрелки — не число.</translation>
    </message>
    <message>
        <source>Export Sight Picture</source>
        <translation>Экспорт прицельной картинки</translation>
    </message>
    <message>
        <source>PDF Files (*.pdf)</source>
        <translation>Файлы PDF (*.pdf)</translation>
    </message>
    <message>
        <source>SVG Files (*.svg)</source>
        <translation>Файлы SVG (*.svg)</translation>
    </message>
    <message>
        <source>PNG Files (*.png)</source>
        <translation>Файлы PNG (*.png)</translation>
    </message>
    <message>
        <source>The sight picture could not be saved to &quot;%1&quot;.
%2</source>
        <translation>Не удалось сохранить прицельную картинку в «%1».
%2</translation>
    </message>
    <message>
        <source>&amp;Winds (%1)</source>
        <translation>В&amp;етры (%1)</translation>
    </message>
    <message>
        <source>e.g. %1, %2 (%3)</source>
        <translation>напр. %1, %2 (%3)</translation>
    </message>
</context>
<context>
    <name>vorlan::CTruingDlg</name>
    <message>
        <source>Truing - %1</source>
        <translation>Калибровка - %1</translation>
    </message>
    <message>
        <source>Load Observations</source>
        <translation>Загрузить наблюдения</translation>
    </message>
    <message>
        <source>CSV Files (*.csv)</source>
        <translation>Файлы CSV (*.csv)</translation>
    </message>
    <message>
        <source>All Files (*)</source>
        <translation>Все файлы (*)</translation>
    </message>
    <message>
        <source>Observations Not Loaded</source>
        <translation>Наблюдения не загружены</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>Observations not loaded from %1.</source>
        <translation>Наблюдения не загружены из %1.</translation>
    </message>
    <message>
        <source>%1: %2 observations loaded. Press Fit.</source>
        <translation>%1: загружено наблюдений: %2. Нажмите «Подогнать».</translation>
    </message>
    <message>
        <source>Observations loaded from %1.</source>
        <translation>Наблюдения загружены из %1.</translation>
    </message>
    <message>
        <source>There are no observations to save.</source>
        <translation>Нет наблюдений для сохранения.</translation>
    </message>
    <message>
        <source>Save Observations</source>
        <translation>Сохранить наблюдения</translation>
    </message>
    <message>
        <source>Observations saved to %1.</source>
        <translation>Наблюдения сохранены в %1.</translation>
    </message>
    <message>
        <source>Observations not saved.</source>
        <translation>Наблюдения не сохранены.</translation>
    </message>
    <message>
        <source>Observations Not Saved</source>
        <translation>Наблюдения не сохранены</translation>
    </message>
    <message>
        <source>The observations could not be saved to &quot;%1&quot;.
%2</source>
        <translation>Не удалось сохранить наблюдения в «%1».
%2</translation>
    </message>
    <message>
        <source>There are no observations: enter a range and what you dialled, measured or timed there.</source>
        <translation>Наблюдений нет: введите дистанцию и то, что вы ввели барабаном, измерили или засекли на ней.</translation>
    </message>
    <message>
        <source>Fitted: Apply writes the fitted values into the shot.</source>
        <translation>Подогнано: «Применить» записывает подогнанные значения в выстрел.</translation>
    </message>
    <message>
        <source>Not fitted: the reason is given above.</source>
        <translation>Не подогнано: причина указана выше.</translation>
    </message>
    <message>
        <source>The shot has changed since the fit: press Fit again before Apply.</source>
        <translation>Выстрел изменился после подгонки: нажмите «Подогнать» снова перед «Применить».</translation>
    </message>
    <message>
        <source>Not applied: %1</source>
        <translation>Не применено: %1</translation>
    </message>
    <message>
        <source>, drag function %1 %2</source>
        <translation>, закон сопротивления %1 %2</translation>
    </message>
    <message>
        <source>No truing is in force.</source>
        <translation>Калибровка не действует.</translation>
    </message>
    <message>
        <source>Truing</source>
        <translation>Калибровка</translation>
    </message>
    <message>
        <source>it holds %1 observations; the window takes %2</source>
        <translation>в нём наблюдений: %1; окно принимает %2</translation>
    </message>
    <message>
        <source>Applied: velocity %1%2, drag scale %3. Clear Truing takes it back.</source>
        <translation>Применено: скорость %1%2, масштаб сопротивления %3. «Сбросить калибровку» отменяет это.</translation>
    </message>
    <message>
        <source>Truing taken back: velocity %1 and the drag scale as they were before Apply.</source>
        <translation>Калибровка отменена: скорость %1 и масштаб сопротивления как до «Применить».</translation>
    </message>
    <message>
        <source>Truing cleared: the velocity is back to %1, as entered before truing.</source>
        <translation>Калибровка сброшена: скорость снова %1, как введено до калибровки.</translation>
    </message>
    <message>
        <source>Drag scale cleared; the velocity stays %1</source>
        <translation>Масштаб сопротивления сброшен; скорость остаётся %1</translation>
    </message>
    <message>
        <source>Range
yd.</source>
        <translation>Дист.
yd.</translation>
    </message>
    <message>
        <source>Up
MOA</source>
        <translation>Вверх
MOA</translation>
    </message>
    <message>
        <source>Up
mil</source>
        <translation>Вверх
mil</translation>
    </message>
    <message>
        <source>Up
clicks</source>
        <translation>Вверх
клики</translation>
    </message>
    <message>
        <source>Drop
in.</source>
        <translation>Пониж.
in.</translation>
    </message>
    <message>
        <source>Velocity
f.p.s.</source>
        <translation>Скорость
f.p.s.</translation>
    </message>
    <message>
        <source>Time
s</source>
        <translation>Время
s</translation>
    </message>
    <message>
        <source>± Hold
MOA</source>
        <translation>± Попр.
MOA</translation>
    </message>
    <message>
        <source>± Vel.
f.p.s.</source>
        <translation>± Скор.
f.p.s.</translation>
    </message>
    <message>
        <source>&amp;Load CSV...</source>
        <translation>&amp;Загрузить CSV...</translation>
    </message>
    <message>
        <source>&amp;Save CSV...</source>
        <translation>&amp;Сохранить CSV...</translation>
    </message>
    <message>
        <source>Observations</source>
        <translation>Наблюдения</translation>
    </message>
    <message>
        <source>Chosen by the number of ranges</source>
        <translation>По числу дистанций</translation>
    </message>
    <message>
        <source>Velocity only</source>
        <translation>Только скорость</translation>
    </message>
    <message>
        <source>Velocity and one drag factor</source>
        <translation>Скорость и один множитель сопротивления</translation>
    </message>
    <message>
        <source>Velocity and drag scale by Mach</source>
        <translation>Скорость и масштаб сопротивления по Маху</translation>
    </message>
    <message>
        <source>&amp;Fit</source>
        <translation>&amp;Подогнать</translation>
    </message>
    <message>
        <source>Fit:</source>
        <translation>Подгонка:</translation>
    </message>
    <message>
        <source>Enter what you observed at real ranges, then press Fit.</source>
        <translation>Введите наблюдаемое на реальных дистанциях, затем нажмите «Подогнать».</translation>
    </message>
    <message>
        <source>Fit</source>
        <translation>Подгонка</translation>
    </message>
    <message>
        <source>Observed points over the predicted drop, before and after the fit:</source>
        <translation>Наблюдаемые точки поверх расчётного понижения, до и после подгонки:</translation>
    </message>
    <message>
        <source>Residuals, observed minus predicted:</source>
        <translation>Невязки, наблюдаемое минус расчётное:</translation>
    </message>
    <message>
        <source>&amp;Apply</source>
        <translation>Прим&amp;енить</translation>
    </message>
    <message>
        <source>&amp;Clear Truing</source>
        <translation>Сбросить &amp;калибровку</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Отмена</translation>
    </message>
    <message>
        <source>Range (yd.)</source>
        <translation>Дистанция (yd.)</translation>
    </message>
    <message>
        <source>Range (%1)</source>
        <translation>Дистанция (%1)</translation>
    </message>
    <message>
        <source>Reading</source>
        <translation>Показание</translation>
    </message>
    <message>
        <source>Observed</source>
        <translation>Наблюдаемое</translation>
    </message>
    <message>
        <source>Before</source>
        <translation>До</translation>
    </message>
    <message>
        <source>After</source>
        <translation>После</translation>
    </message>
    <message>
        <source>Up (MOA)</source>
        <translation>Вверх (MOA)</translation>
    </message>
    <message>
        <source>Up (mil)</source>
        <translation>Вверх (mil)</translation>
    </message>
    <message>
        <source>Up (clicks)</source>
        <translation>Вверх (клики)</translation>
    </message>
    <message>
        <source>Drop (in.)</source>
        <translation>Понижение (in.)</translation>
    </message>
    <message>
        <source>Velocity (f.p.s.)</source>
        <translation>Скорость (f.p.s.)</translation>
    </message>
    <message>
        <source>Time (s)</source>
        <translation>Время (s)</translation>
    </message>
    <message>
        <source>± Hold (MOA)</source>
        <translation>± Поправка (MOA)</translation>
    </message>
    <message>
        <source>± Vel. (f.p.s.)</source>
        <translation>± Скор. (f.p.s.)</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <source>Drag scale: not fitted.</source>
        <translation>Масштаб сопротивления: не подогнан.</translation>
    </message>
    <message>
        <source>Drag scale: %1 ± %2 over the whole flight.</source>
        <translation>Масштаб сопротивления: %1 ± %2 на весь полёт.</translation>
    </message>
    <message>
        <source>%1 ± %2 at Mach %3</source>
        <translation>%1 ± %2 при Mach %3</translation>
    </message>
    <message>
        <source>Drag scale: %1.</source>
        <translation>Масштаб сопротивления: %1.</translation>
    </message>
    <message>
        <source>As entered: %1</source>
        <translation>Как введено: %1</translation>
    </message>
    <message>
        <source>Trued: %1, drag scale %2</source>
        <translation>Откалибровано: %1, масштаб сопротивления %2</translation>
    </message>
    <message>
        <source>Velocity: %1 ± %2</source>
        <translation>Скорость: %1 ± %2</translation>
    </message>
    <message>
        <source>Residuals in uncertainties (r.m.s.): %1 before, %2 after.</source>
        <translation>Невязки в погрешностях (СКЗ): %1 до, %2 после.</translation>
    </message>
    <message>
        <source>Drag function: %1 %2, as its fit leaves the smaller weighted residual.</source>
        <translation>Закон сопротивления: %1 %2, так как его подгонка оставляет меньшую взвешенную невязку.</translation>
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
        <translation>Единицы</translation>
    </message>
    <message>
        <source>Preset</source>
        <translation>Набор</translation>
    </message>
    <message>
        <source>&amp;Imperial</source>
        <translation>&amp;Имперские</translation>
    </message>
    <message>
        <source>&amp;Metric</source>
        <translation>&amp;Метрические</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Отмена</translation>
    </message>
    <message>
        <source>Preferences Not Saved</source>
        <translation>Настройки не сохранены</translation>
    </message>
    <message>
        <source>The units could not be saved to &quot;%1&quot;.
%2</source>
        <translation>Не удалось сохранить единицы в «%1».
%2</translation>
    </message>
    <message>
        <source>Distance</source>
        <translation>Дистанция</translation>
    </message>
    <message>
        <source>Velocity</source>
        <translation>Скорость</translation>
    </message>
    <message>
        <source>Bullet weight</source>
        <translation>Масса пули</translation>
    </message>
    <message>
        <source>Sight height and lengths</source>
        <translation>Высота прицела и длины</translation>
    </message>
    <message>
        <source>Drop and windage</source>
        <translation>Понижение и снос</translation>
    </message>
    <message>
        <source>Temperature</source>
        <translation>Температура</translation>
    </message>
    <message>
        <source>Pressure</source>
        <translation>Давление</translation>
    </message>
    <message>
        <source>Altitude</source>
        <translation>Высота над уровнем моря</translation>
    </message>
    <message>
        <source>Wind and target speed</source>
        <translation>Скорость ветра и цели</translation>
    </message>
    <message>
        <source>Energy</source>
        <translation>Энергия</translation>
    </message>
    <message>
        <source>Gun weight</source>
        <translation>Масса оружия</translation>
    </message>
</context>
<context>
    <name>vorlan::CVorlan2Dlg</name>
    <message>
        <source>Projectile and Sight</source>
        <translation>Пуля и прицел</translation>
    </message>
    <message>
        <source>Wind and Target</source>
        <translation>Ветер и цель</translation>
    </message>
    <message>
        <source>Atmosphere</source>
        <translation>Атмосфера</translation>
    </message>
    <message>
        <source>Air Density</source>
        <translation>Плотность воздуха</translation>
    </message>
    <message>
        <source>What&apos;s this?</source>
        <translation>Что это?</translation>
    </message>
    <message>
        <source>Open Load</source>
        <translation>Открыть патрон</translation>
    </message>
    <message>
        <source>The shot on screen has changes that are not saved. Open &quot;%1&quot; in its place?</source>
        <translation>В выстреле на экране есть несохранённые изменения. Открыть «%1» вместо него?</translation>
    </message>
    <message>
        <source>Baseline set: %1</source>
        <translation>Эталон задан: %1</translation>
    </message>
    <message>
        <source>Compares the current shot with the baseline &quot;%1&quot;.</source>
        <translation>Сравнивает текущий выстрел с эталоном «%1».</translation>
    </message>
    <message>
        <source>
It is left as it is: the settings will not be saved over it at exit.</source>
        <translation>
Он оставлен как есть: при выходе настройки не будут записаны поверх него.</translation>
    </message>
    <message>
        <source>Settings Not Read</source>
        <translation>Настройки не прочитаны</translation>
    </message>
    <message>
        <source>The settings could not be read from &quot;%1&quot;.</source>
        <translation>Не удалось прочитать настройки из «%1».</translation>
    </message>
    <message>
        <source>The extra shot inputs could not be read from &quot;%1&quot;.</source>
        <translation>Не удалось прочитать дополнительные данные выстрела из «%1».</translation>
    </message>
    <message>
        <source>Settings Out of Bounds</source>
        <translation>Настройки вне пределов</translation>
    </message>
    <message>
        <source>The settings hold values outside their bounds; correct them before closing:</source>
        <translation>В настройках есть значения вне допустимых пределов; исправьте их перед закрытием:</translation>
    </message>
    <message>
        <source>Settings Not Saved</source>
        <translation>Настройки не сохранены</translation>
    </message>
    <message>
        <source>The settings could not be saved to &quot;%1&quot;.</source>
        <translation>Не удалось сохранить настройки в «%1».</translation>
    </message>
    <message>
        <source>The extra shot inputs could not be saved to &quot;%1&quot;.</source>
        <translation>Не удалось сохранить дополнительные данные выстрела в «%1».</translation>
    </message>
    <message>
        <source>Save Failed</source>
        <translation>Ошибка сохранения</translation>
    </message>
    <message>
        <source>The shot could not be saved to &quot;%1&quot;.</source>
        <translation>Не удалось сохранить выстрел в «%1».</translation>
    </message>
    <message>
        <source>Load Failed</source>
        <translation>Ошибка загрузки</translation>
    </message>
    <message>
        <source>The shot file &quot;%1&quot; could not be read.</source>
        <translation>Не удалось прочитать файл выстрела «%1».</translation>
    </message>
    <message>
        <source>Load</source>
        <translation>Загрузить</translation>
    </message>
    <message>
        <source>Part of &quot;%1&quot; could not be read:</source>
        <translation>Часть «%1» не удалось прочитать:</translation>
    </message>
    <message>
        <source>&quot;%1&quot; not opened: %2</source>
        <translation>«%1» не открыт: %2</translation>
    </message>
    <message>
        <source>not a shot file (.vxf)</source>
        <translation>не файл выстрела (.vxf)</translation>
    </message>
    <message>
        <source>not a shot file</source>
        <translation>не файл выстрела</translation>
    </message>
    <message>
        <source>Values Out of Bounds</source>
        <translation>Значения вне пределов</translation>
    </message>
    <message>
        <source>&quot;%1&quot; holds values outside their bounds; correct them before computing:</source>
        <translation>В «%1» есть значения вне допустимых пределов; исправьте их перед расчётом:</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Сохранить</translation>
    </message>
    <message>
        <source>About Vorlan</source>
        <translation>О программе Vorlan</translation>
    </message>
    <message>
        <source>&amp;Units...</source>
        <translation>&amp;Единицы...</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Справка</translation>
    </message>
    <message>
        <source>Calculations</source>
        <translation>Расчёты</translation>
    </message>
    <message>
        <source>&amp;Advanced...</source>
        <translation>&amp;Дополнительно...</translation>
    </message>
    <message>
        <source>Std. Atmosphere</source>
        <translation>Станд. атмосфера</translation>
    </message>
    <message>
        <source>ICAO Atmosphere</source>
        <translation>Атмосфера ИКАО</translation>
    </message>
    <message>
        <source>Range Table</source>
        <translation>Баллистическая таблица</translation>
    </message>
    <message>
        <source>Set Baseline</source>
        <translation>Задать эталон</translation>
    </message>
    <message>
        <source>Shoot</source>
        <translation>Выстрел</translation>
    </message>
    <message>
        <source>Compute BC</source>
        <translation>Расчёт БК</translation>
    </message>
    <message>
        <source>OPBZ</source>
        <translation>ДПВ</translation>
    </message>
    <message>
        <source>Maximum Range</source>
        <translation>Макс. дальность</translation>
    </message>
    <message>
        <source>&amp;Field Card...</source>
        <translation>&amp;Полевая карточка...</translation>
    </message>
    <message>
        <source>Hit &amp;Probability...</source>
        <translation>&amp;Вероятность попадания...</translation>
    </message>
    <message>
        <source>&amp;Library...</source>
        <translation>&amp;Библиотека...</translation>
    </message>
</context>
<context>
    <name>vorlan::ChronoPlot</name>
    <message>
        <source>Velocity by shot</source>
        <translation>Скорость по выстрелам</translation>
    </message>
</context>
<context>
    <name>vorlan::ChronographDialog</name>
    <message>
        <source>From Chronograph</source>
        <translation>Из хронографа</translation>
    </message>
    <message>
        <source>Shot</source>
        <translation>Выстрел</translation>
    </message>
    <message>
        <source>Velocity (ft/s)</source>
        <translation>Скорость (ft/s)</translation>
    </message>
    <message>
        <source>Clear a shot&apos;s box to leave it out (a fouler or a flyer)</source>
        <translation>Очистите поле выстрела, чтобы исключить его (прогревочный или отрыв)</translation>
    </message>
    <message>
        <source>%1, %2 shots</source>
        <translation>%1, выстрелов: %2</translation>
    </message>
    <message>
        <source>Set the shot&apos;s muzzle &amp;velocity to the mean as well</source>
        <translation>Также установить начальную &amp;скорость выстрела равной средней</translation>
    </message>
    <message>
        <source>Keep at least two shots for a standard deviation.</source>
        <translation>Для СКО оставьте не меньше двух выстрелов.</translation>
    </message>
    <message>
        <source>Shots: %1
Mean: %2 ft/s
SD: %3 ft/s
Extreme spread: %4 ft/s</source>
        <translation>Выстрелов: %1
Средняя: %2 ft/s
СКО: %3 ft/s
Размах (ES): %4 ft/s</translation>
    </message>
    <message>
        <source>Open Chronograph Session</source>
        <translation>Открыть серию хронографа</translation>
    </message>
    <message>
        <source>Chronograph sessions (*.csv *.txt)</source>
        <translation>Серии хронографа (*.csv *.txt)</translation>
    </message>
    <message>
        <source>All files (*)</source>
        <translation>Все файлы (*)</translation>
    </message>
    <message>
        <source>The session holds fewer than two shots, so no standard deviation.</source>
        <translation>В серии меньше двух выстрелов, поэтому СКО нет.</translation>
    </message>
</context>
<context>
    <name>vorlan::CsvExportDialog</name>
    <message>
        <source>Only the &amp;printed rows</source>
        <translation>Только &amp;печатаемые строки</translation>
    </message>
    <message>
        <source>&amp;Holds: true MOA, mil and clicks</source>
        <translation>Поп&amp;равки: истинные MOA, mil и клики</translation>
    </message>
    <message>
        <source>Export CSV</source>
        <translation>Экспорт CSV</translation>
    </message>
    <message>
        <source>Imperial</source>
        <translation>Имперские</translation>
    </message>
    <message>
        <source>Metric</source>
        <translation>Метрические</translation>
    </message>
    <message>
        <source>&amp;Click value:</source>
        <translation>&amp;Цена клика:</translation>
    </message>
    <message>
        <source>&amp;Units:</source>
        <translation>&amp;Единицы:</translation>
    </message>
</context>
<context>
    <name>vorlan::HelpBrowser</name>
    <message>
        <source>&lt; &amp;Back</source>
        <translation>&lt; &amp;Назад</translation>
    </message>
    <message>
        <source>&amp;Forward &gt;</source>
        <translation>&amp;Вперёд &gt;</translation>
    </message>
    <message>
        <source>&amp;Contents</source>
        <translation>&amp;Содержание</translation>
    </message>
    <message>
        <source>Vorlan Help</source>
        <translation>Справка Vorlan</translation>
    </message>
    <message>
        <source>The help pages are in English.</source>
        <translation>Страницы справки на английском языке.</translation>
    </message>
</context>
<context>
    <name>vorlan::HitScatterView</name>
    <message>
        <source>Impacts at the target range</source>
        <translation>Попадания на дистанции до цели</translation>
    </message>
    <message>
        <source>Grid %1 %2; up and right as the shooter sees them</source>
        <translation>Сетка %1 %2; вверх и вправо — как видит стрелок</translation>
    </message>
    <message>
        <source>Impacts at %1: %2 of %3 hit (%3 of %4 samples shown)</source>
        <translation>Попадания на %1: %2 из %3 попали (показано %3 из %4 выборок)</translation>
    </message>
</context>
<context>
    <name>vorlan::LibraryModel</name>
    <message>
        <source>(no rifle)</source>
        <translation>(без винтовки)</translation>
    </message>
    <message>
        <source>custom drag</source>
        <translation>своё сопротивление</translation>
    </message>
    <message>
        <source> (bands)</source>
        <translation> (полосы)</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Название</translation>
    </message>
    <message>
        <source>Caliber</source>
        <translation>Калибр</translation>
    </message>
    <message>
        <source>Weight (gr)</source>
        <translation>Масса (gr)</translation>
    </message>
    <message>
        <source>BC and Drag</source>
        <translation>БК и закон</translation>
    </message>
    <message>
        <source>Velocity (ft/s)</source>
        <translation>Скорость (ft/s)</translation>
    </message>
    <message>
        <source>Sight-In (yd)</source>
        <translation>Пристрелка (yd)</translation>
    </message>
    <message>
        <source>Last Changed</source>
        <translation>Изменён</translation>
    </message>
    <message>
        <source>it holds no shot-file line</source>
        <translation>в нём нет строки файла выстрела</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>%1: &quot;%2&quot; has changed since it was read (by another window or program). Nothing was written; look at it again and repeat.</source>
        <translation>%1: «%2» изменился после чтения (другим окном или программой). Ничего не записано; посмотрите его снова и повторите.</translation>
    </message>
    <message>
        <source>%1: the file is not a shot file (it holds no shot-file line).</source>
        <translation>%1: файл не является файлом выстрела (в нём нет строки файла выстрела).</translation>
    </message>
    <message>
        <source>%1: &quot;%2&quot; could not be moved to the trash (%3).</source>
        <translation>%1: не удалось переместить «%2» в корзину (%3).</translation>
    </message>
    <message>
        <source>Not saved</source>
        <translation>Не сохранено</translation>
    </message>
    <message>
        <source>Not duplicated</source>
        <translation>Не продублировано</translation>
    </message>
    <message>
        <source>Not renamed</source>
        <translation>Не переименовано</translation>
    </message>
    <message>
        <source>Not moved</source>
        <translation>Не перемещено</translation>
    </message>
    <message>
        <source>the desktop&apos;s trash did not take it</source>
        <translation>корзина рабочего стола его не приняла</translation>
    </message>
    <message>
        <source>Not deleted</source>
        <translation>Не удалено</translation>
    </message>
    <message>
        <source>&quot;%1&quot; not imported</source>
        <translation>«%1» не импортирован</translation>
    </message>
    <message>
        <source>Not exported</source>
        <translation>Не экспортировано</translation>
    </message>
    <message>
        <source>Not changed</source>
        <translation>Не изменено</translation>
    </message>
</context>
<context>
    <name>vorlan::LoadNamingDlg</name>
    <message>
        <source>(no rifle)</source>
        <translation>(без винтовки)</translation>
    </message>
    <message>
        <source>&amp;Rifle:</source>
        <translation>&amp;Винтовка:</translation>
    </message>
    <message>
        <source>&amp;Name:</source>
        <translation>&amp;Название:</translation>
    </message>
</context>
<context>
    <name>vorlan::TableViewCommands</name>
    <message>
        <source>&amp;Holds</source>
        <translation>&amp;Поправки</translation>
    </message>
    <message>
        <source>&amp;Units</source>
        <translation>&amp;Единицы</translation>
    </message>
    <message>
        <source>&amp;Imperial</source>
        <translation>&amp;Имперские</translation>
    </message>
    <message>
        <source>&amp;Metric</source>
        <translation>&amp;Метрические</translation>
    </message>
    <message>
        <source>Click &amp;Value</source>
        <translation>&amp;Цена клика</translation>
    </message>
    <message>
        <source>Preferences Not Saved</source>
        <translation>Настройки не сохранены</translation>
    </message>
    <message>
        <source>The table&apos;s view could not be saved to &quot;%1&quot;.
%2</source>
        <translation>Не удалось сохранить вид таблицы в «%1».
%2</translation>
    </message>
    <message>
        <source>The range table could not be exported to &quot;%1&quot;.
%2</source>
        <translation>Не удалось экспортировать баллистическую таблицу в «%1».
%2</translation>
    </message>
    <message>
        <source>&amp;Units...</source>
        <translation>&amp;Единицы...</translation>
    </message>
</context>
<context>
    <name>vorlan::TrajectoryChartCommands</name>
    <message>
        <source>&amp;Export Chart...</source>
        <translation>&amp;Экспорт графика...</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Вид</translation>
    </message>
    <message>
        <source>&amp;Table</source>
        <translation>&amp;Таблица</translation>
    </message>
    <message>
        <source>&amp;Chart</source>
        <translation>&amp;График</translation>
    </message>
    <message>
        <source>&amp;Add to Chart...</source>
        <translation>&amp;Добавить на график...</translation>
    </message>
    <message>
        <source>&amp;Reset Zoom</source>
        <translation>&amp;Сбросить масштаб</translation>
    </message>
    <message>
        <source>View</source>
        <translation>Вид</translation>
    </message>
    <message>
        <source>Add to Chart</source>
        <translation>Добавить на график</translation>
    </message>
    <message>
        <source>Open the range table of another shot first.</source>
        <translation>Сначала откройте баллистическую таблицу другого выстрела.</translation>
    </message>
    <message>
        <source>Choose a file name ending in .png or .svg.</source>
        <translation>Выберите имя файла, оканчивающееся на .png или .svg.</translation>
    </message>
    <message>
        <source>The chart could not be exported to &quot;%1&quot;.
%2</source>
        <translation>Не удалось экспортировать график в «%1».
%2</translation>
    </message>
    <message>
        <source>Trajectory Chart - </source>
        <translation>График траектории - </translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Файл</translation>
    </message>
    <message>
        <source>&amp;Print...	Ctrl+P</source>
        <translation>&amp;Печать...	Ctrl+P</translation>
    </message>
</context>
<context>
    <name>vorlan::TrajectoryChartView</name>
    <message>
        <source>&amp;Remove &quot;%1&quot; from Chart</source>
        <translation>&amp;Убрать «%1» с графика</translation>
    </message>
</context>
<context>
    <name>vorlan::TrajectoryWindow</name>
    <message>
        <source>&amp;Library...</source>
        <translation>&amp;Библиотека...</translation>
    </message>
    <message>
        <source>&amp;Close	Ctrl+W</source>
        <translation>&amp;Закрыть	Ctrl+W</translation>
    </message>
    <message>
        <source>Sight &amp;Picture...</source>
        <translation>Прицельная &amp;картинка...</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Файл</translation>
    </message>
    <message>
        <source>&amp;Save As ...</source>
        <translation>&amp;Сохранить как...</translation>
    </message>
    <message>
        <source>&amp;Print...	Ctrl+P</source>
        <translation>&amp;Печать...	Ctrl+P</translation>
    </message>
    <message>
        <source>Print Pre&amp;view</source>
        <translation>Пре&amp;дпросмотр</translation>
    </message>
    <message>
        <source>P&amp;rint Setup...</source>
        <translation>Пара&amp;метры печати...</translation>
    </message>
    <message>
        <source>Field C&amp;ard...</source>
        <translation>Полевая &amp;карточка...</translation>
    </message>
    <message>
        <source>&amp;Hit Probability...</source>
        <translation>&amp;Вероятность попадания...</translation>
    </message>
    <message>
        <source>&amp;Truing...</source>
        <translation>Ка&amp;либровка...</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Правка</translation>
    </message>
    <message>
        <source>&amp;Copy	Ctrl+C</source>
        <translation>&amp;Копировать	Ctrl+C</translation>
    </message>
    <message>
        <source>Copy as &amp;Text	Ctrl+Shift+C</source>
        <translation>Копировать как &amp;текст	Ctrl+Shift+C</translation>
    </message>
    <message>
        <source>Select &amp;All	Ctrl+A</source>
        <translation>Выделить &amp;всё	Ctrl+A</translation>
    </message>
    <message>
        <source>The range table could not be saved to &quot;%1&quot;.
%2</source>
        <translation>Не удалось сохранить баллистическую таблицу в «%1».
%2</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Вид</translation>
    </message>
    <message>
        <source>Print Preview - </source>
        <translation>Предпросмотр печати - </translation>
    </message>
    <message>
        <source>Trajectory Table - %1</source>
        <translation>Баллистическая таблица - %1</translation>
    </message>
    <message>
        <source>Print in the Chosen Lan&amp;guage</source>
        <translation>Печать на в&amp;ыбранном языке</translation>
    </message>
    <message>
        <source>E&amp;xport CSV...</source>
        <translation>Экспорт &amp;CSV...</translation>
    </message>
</context>
</TS>
