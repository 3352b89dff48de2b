<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ru" sourcelanguage="en">
<context>
    <name>Compiler</name>
    <message>
        <source>The header value %1=%2 does not fit the compiled header (0 to 65535)</source>
        <translation>Значение заголовка %1=%2 не помещается в заголовок TYP-файла (от 0 до 65535)</translation>
    </message>
    <message>
        <source>The draw-order line &quot;%1&quot; is not written: %2</source>
        <translation>Строка порядка отрисовки &quot;%1&quot; не записана: %2</translation>
    </message>
    <message>
        <source>it names no level</source>
        <translation>в ней не указан уровень</translation>
    </message>
    <message>
        <source>levels run from 0 to %1</source>
        <translation>уровни бывают от 0 до %1</translation>
    </message>
    <message>
        <source>an entry of type 0x00 would read as the end of a level</source>
        <translation>запись типа 0x00 читалась бы как конец уровня</translation>
    </message>
    <message>
        <source>the type is neither a polygon type up to 0xFF nor an extended one 0x1TTss with ss up to 0x1F</source>
        <translation>тип не является ни типом полигона до 0xFF, ни расширенным типом 0x1TTss с ss до 0x1F</translation>
    </message>
    <message>
        <source>The draw order starts at level 0; every level is written one higher</source>
        <translation>Порядок отрисовки начинается с уровня 0; каждый уровень записан на единицу выше</translation>
    </message>
    <message>
        <source>Cannot compile %1: %2</source>
        <translation>Не компилируется %1: %2</translation>
    </message>
    <message>
        <source>the day bitmap has no colours</source>
        <translation>у дневного рисунка нет цветов</translation>
    </message>
    <message>
        <source>the night bitmap has no colours</source>
        <translation>у ночного рисунка нет цветов</translation>
    </message>
    <message>
        <source>%1: day pixels of the codes &quot;%2&quot; name no colour</source>
        <translation>%1: дневные пиксели с кодами &quot;%2&quot; не относятся ни к одному цвету</translation>
    </message>
    <message>
        <source>%1: night pixels of the codes &quot;%2&quot; name no colour</source>
        <translation>%1: ночные пиксели с кодами &quot;%2&quot; не относятся ни к одному цвету</translation>
    </message>
    <message>
        <source>it has %1 colours; the record holds at most 4</source>
        <translation>цветов %1, а запись вмещает не больше 4</translation>
    </message>
    <message>
        <source>it has %1 colours; the record holds 1, 2 or 4</source>
        <translation>цветов %1, а запись вмещает 1, 2 или 4</translation>
    </message>
    <message>
        <source>a transparent foreground colour cannot be written</source>
        <translation>прозрачный цвет переднего плана записать нельзя</translation>
    </message>
    <message>
        <source>%1: the partial transparency of its colours is not written (lines and polygons are opaque or transparent)</source>
        <translation>%1: частичная прозрачность цветов не записана (линии и полигоны бывают только непрозрачными или прозрачными)</translation>
    </message>
    <message>
        <source>%1: the label &quot;%2&quot; cannot be written in code page %3 and is left out</source>
        <translation>%1: подпись &quot;%2&quot; нельзя записать в кодовой странице %3, она пропущена</translation>
    </message>
    <message>
        <source>its labels take %1 bytes; a record holds at most 2097151</source>
        <translation>подписи занимают %1 байт, а запись вмещает не больше 2097151</translation>
    </message>
    <message>
        <source>the night bitmap is %1 x %2, the day bitmap %3 x %4; both must be equal</source>
        <translation>ночной рисунок %1 x %2, дневной %3 x %4, а они должны совпадать</translation>
    </message>
    <message>
        <source>its bitmap is %1 pixels wide; a line bitmap is 32 wide</source>
        <translation>ширина рисунка %1 пикселей, а у рисунка линии она 32</translation>
    </message>
    <message>
        <source>its bitmap has %1 rows; a line bitmap has at most 31</source>
        <translation>в рисунке строк: %1, а у рисунка линии их не больше 31</translation>
    </message>
    <message>
        <source>its only colour is transparent</source>
        <translation>единственный цвет прозрачен</translation>
    </message>
    <message>
        <source>line width %1 with border width %2 is wider than 255 pixels</source>
        <translation>ширина линии %1 с шириной бордюра %2 больше 255 пикселей</translation>
    </message>
    <message>
        <source>its bitmap is %1 x %2; a polygon bitmap is 32 x 32</source>
        <translation>рисунок %1 x %2, а рисунок полигона 32 x 32</translation>
    </message>
    <message>
        <source>Cannot compile: labels cannot be converted to code page %1 (code pages 1250 to 1258 and 65001 are known)</source>
        <translation>Компиляция невозможна: подписи нельзя перевести в кодовую страницу %1 (известны кодовые страницы с 1250 по 1258 и 65001)</translation>
    </message>
    <message>
        <source>the type is out of range (types up to 0x7FF, subtypes up to 0x1F)</source>
        <translation>тип вне допустимых пределов (типы до 0x7FF, подтипы до 0x1F)</translation>
    </message>
    <message>
        <source>point type %1 subtype %2</source>
        <translation>точка типа %1 подтипа %2</translation>
    </message>
    <message>
        <source>line type %1 subtype %2</source>
        <translation>линия типа %1 подтипа %2</translation>
    </message>
    <message>
        <source>polygon type %1 subtype %2</source>
        <translation>полигон типа %1 подтипа %2</translation>
    </message>
    <message>
        <source>The point type %1 subtype %2 is defined more than once</source>
        <translation>Точка типа %1 подтипа %2 описана больше одного раза</translation>
    </message>
    <message>
        <source>The line type %1 subtype %2 is defined more than once</source>
        <translation>Линия типа %1 подтипа %2 описана больше одного раза</translation>
    </message>
    <message>
        <source>The polygon type %1 subtype %2 is defined more than once</source>
        <translation>Полигон типа %1 подтипа %2 описан больше одного раза</translation>
    </message>
    <message>
        <source>The header line &quot;%1&quot; is not spelt &quot;%2&quot;: mkgmap will not read the code page from it</source>
        <translation>Строка заголовка &quot;%1&quot; записана не как &quot;%2&quot;: mkgmap не прочтёт из неё кодовую страницу</translation>
    </message>
</context>
<context>
    <name>FileError</name>
    <message>
        <source>Cannot open file &quot;%1&quot;.</source>
        <translation>Не удаётся открыть файл &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>Cannot read file &quot;%1&quot;.</source>
        <translation>Не удаётся прочитать файл &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>Cannot create file &quot;%1&quot;.</source>
        <translation>Не удаётся создать файл &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>Cannot write file &quot;%1&quot;.</source>
        <translation>Не удаётся записать файл &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>The file is too large.</source>
        <translation>Файл слишком велик.</translation>
    </message>
    <message>
        <source>file to open is a directory</source>
        <translation>открываемый файл — это папка</translation>
    </message>
    <message>
        <source>Filename refers to a directory</source>
        <translation>имя файла указывает на папку</translation>
    </message>
    <message>
        <source>It is no Garmin IMG map.</source>
        <translation>Это не карта в формате IMG.</translation>
    </message>
    <message>
        <source>Cannot open map &quot;%1&quot;.</source>
        <translation>Не удаётся открыть карту &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>The map is encrypted.</source>
        <translation>Карта зашифрована.</translation>
    </message>
    <message>
        <source>It holds no map tile in a format that this program reads.</source>
        <translation>В ней нет ни одного фрагмента карты в формате, который читает эта программа.</translation>
    </message>
</context>
<context>
    <name>Import</name>
    <message>
        <source>The point index has entries of %1 bytes, which are not read; no points were imported</source>
        <translation>Записи указателя точек длиной %1 байт не читаются; точки не импортированы</translation>
    </message>
    <message>
        <source>The line index has entries of %1 bytes, which are not read; no lines were imported</source>
        <translation>Записи указателя линий длиной %1 байт не читаются; линии не импортированы</translation>
    </message>
    <message>
        <source>The polygon index has entries of %1 bytes, which are not read; no polygons were imported</source>
        <translation>Записи указателя полигонов длиной %1 байт не читаются; полигоны не импортированы</translation>
    </message>
    <message>
        <source>The file ends after %1 of the %2 bytes its header announces: %3 points, %4 lines and %5 polygons were read, the last of them possibly incomplete</source>
        <translation>Файл обрывается после %1 из %2 байт, объявленных в его заголовке: прочитано точек %3, линий %4, полигонов %5, последний объект, возможно, не полностью</translation>
    </message>
    <message>
        <source>The file announces far larger bitmaps or labels than it holds; some of them were left empty</source>
        <translation>Файл объявляет гораздо большие рисунки или подписи, чем содержит; некоторые из них оставлены пустыми</translation>
    </message>
</context>
<context>
    <name>Reader</name>
    <message>
        <source>&apos;%1&apos; is not a valid integer value</source>
        <translation>&apos;%1&apos; — недопустимое целое число</translation>
    </message>
</context>
<context>
    <name>velmora-typ</name>
    <message>
        <source>unknown option &apos;%1&apos;</source>
        <translation>неизвестный параметр «%1»</translation>
    </message>
    <message>
        <source>%1 needs a value</source>
        <translation>для %1 нужно значение</translation>
    </message>
    <message>
        <source>%1 takes a number from 0 to 65535, not &apos;%2&apos;</source>
        <translation>%1 принимает число от 0 до 65535, а не «%2»</translation>
    </message>
    <message>
        <source>compile takes an input and an output file</source>
        <translation>compile принимает входной и выходной файлы</translation>
    </message>
    <message>
        <source>%1: warning: %2</source>
        <translation>%1: предупреждение: %2</translation>
    </message>
    <message>
        <source>convert takes an input and an output file</source>
        <translation>convert принимает входной и выходной файлы</translation>
    </message>
    <message>
        <source>read the TYP file INPUT and write it to OUTPUT as text</source>
        <translation>прочитать TYP-файл INPUT и записать его в OUTPUT текстом</translation>
    </message>
    <message>
        <source>compile the TYP file INPUT into the compiled file OUTPUT.typ; the options override the [_id] values</source>
        <translation>скомпилировать TYP-файл INPUT в файл OUTPUT.typ; параметры заменяют значения из [_id]</translation>
    </message>
    <message>
        <source>draw object N of the kind as the editor shows it into a 24-bit BMP file</source>
        <translation>нарисовать объект N этого вида, как его показывает редактор, в 24-битный файл BMP</translation>
    </message>
    <message>
        <source>no command given</source>
        <translation>не указана команда</translation>
    </message>
    <message>
        <source>unknown command &apos;%1&apos;</source>
        <translation>неизвестная команда «%1»</translation>
    </message>
    <message>
        <source>Usage:</source>
        <translation>Использование:</translation>
    </message>
    <message>
        <source>show this text</source>
        <translation>показать эту справку</translation>
    </message>
    <message>
        <source>show the program&apos;s version</source>
        <translation>показать версию программы</translation>
    </message>
    <message>
        <source>Exit status: 0 done, 1 the conversion, the compilation or a file failed, 2 wrong usage.</source>
        <translation>Код завершения: 0 — готово, 1 — ошибка преобразования, компиляции или файла, 2 — неверный вызов.</translation>
    </message>
    <message>
        <source>the object has no night view; it is drawn by day, as the editor shows it</source>
        <translation>у объекта нет ночного вида; он нарисован в дневном виде, как его показывает редактор</translation>
    </message>
    <message>
        <source>the object has no bitmap and no colours to draw</source>
        <translation>у объекта нет ни рисунка, ни цветов для рисования</translation>
    </message>
    <message>
        <source>cannot write %1</source>
        <translation>не удаётся записать %1</translation>
    </message>
    <message>
        <source>the drawing of &apos;velmora-typ render&apos;, which starts it</source>
        <translation>программа рисования для «velmora-typ render», которая её запускает</translation>
    </message>
    <message>
        <source>cannot start %1: %2</source>
        <translation>не удаётся запустить %1: %2</translation>
    </message>
    <message>
        <source>--kind must be point, line or polygon, not &apos;%1&apos;</source>
        <translation>--kind должен быть point, line или polygon, а не «%1»</translation>
    </message>
    <message>
        <source>--index must be a number from 0, not &apos;%1&apos;</source>
        <translation>--index должен быть числом от 0, а не «%1»</translation>
    </message>
    <message>
        <source>--zoom must be a number from 1 to 20, not &apos;%1&apos;</source>
        <translation>--zoom должен быть числом от 1 до 20, а не «%1»</translation>
    </message>
    <message>
        <source>render takes an input and an output file</source>
        <translation>render принимает входной и выходной файлы</translation>
    </message>
    <message>
        <source>render needs --kind point, line or polygon</source>
        <translation>для render нужен --kind point, line или polygon</translation>
    </message>
    <message>
        <source>render needs --index N</source>
        <translation>для render нужен --index N</translation>
    </message>
    <message>
        <source>index %1 is out of range: %2 has %3 point</source>
        <translation>индекс %1 вне диапазона: точек в %2: %3</translation>
    </message>
    <message>
        <source>index %1 is out of range: %2 has %3 points</source>
        <translation>индекс %1 вне диапазона: точек в %2: %3</translation>
    </message>
    <message>
        <source>index %1 is out of range: %2 has %3 line</source>
        <translation>индекс %1 вне диапазона: линий в %2: %3</translation>
    </message>
    <message>
        <source>index %1 is out of range: %2 has %3 lines</source>
        <translation>индекс %1 вне диапазона: линий в %2: %3</translation>
    </message>
    <message>
        <source>index %1 is out of range: %2 has %3 polygon</source>
        <translation>индекс %1 вне диапазона: полигонов в %2: %3</translation>
    </message>
    <message>
        <source>index %1 is out of range: %2 has %3 polygons</source>
        <translation>индекс %1 вне диапазона: полигонов в %2: %3</translation>
    </message>
    <message>
        <source>draw the box W,S,E,N (degrees) of the Garmin map MAP with the style STYLE into a PNG file of WxH pixels, in Web Mercator</source>
        <translation>нарисовать область W,S,E,N (в градусах) карты Garmin MAP со стилем STYLE в файл PNG размером WxH пикселей, в проекции Web Mercator</translation>
    </message>
    <message>
        <source>--bbox %1 misses the map %2, which covers %3</source>
        <translation>--bbox %1 не задевает карту %2, которая охватывает %3</translation>
    </message>
    <message>
        <source>--level %1: the map %2 has no such level</source>
        <translation>--level %1: в карте %2 нет такого уровня</translation>
    </message>
    <message>
        <source>--bbox must be four numbers W,S,E,N in degrees, not &apos;%1&apos;</source>
        <translation>--bbox должен быть четырьмя числами W,S,E,N в градусах, а не «%1»</translation>
    </message>
    <message>
        <source>--size must be WIDTHxHEIGHT in pixels, not &apos;%1&apos;</source>
        <translation>--size должен быть в виде ШИРИНАxВЫСОТА в пикселях, а не «%1»</translation>
    </message>
    <message>
        <source>--level must be a number from 0 to 255, not &apos;%1&apos;</source>
        <translation>--level должен быть числом от 0 до 255, а не «%1»</translation>
    </message>
    <message>
        <source>render-map takes a style, a map and an output file</source>
        <translation>render-map принимает стиль, карту и выходной файл</translation>
    </message>
    <message>
        <source>render-map needs --bbox W,S,E,N</source>
        <translation>для render-map нужен --bbox W,S,E,N</translation>
    </message>
    <message>
        <source>render-map needs --size WIDTHxHEIGHT</source>
        <translation>для render-map нужен --size ШИРИНАxВЫСОТА</translation>
    </message>
    <message>
        <source>--bbox %1 is empty: west must be less than east and south less than north</source>
        <translation>--bbox %1 пуст: запад должен быть меньше востока, а юг меньше севера</translation>
    </message>
    <message>
        <source>--bbox %1 lies off the earth: longitudes run from -180 to 180, latitudes from -90 to 90</source>
        <translation>--bbox %1 лежит вне Земли: долгота идёт от -180 до 180, широта от -90 до 90</translation>
    </message>
    <message>
        <source>--size %1: width and height must be from 1 to %2 pixels</source>
        <translation>--size %1: ширина и высота должны быть от 1 до %2 пикселей</translation>
    </message>
    <message>
        <source>list the types the Garmin map MAP uses with their object counts and, with a STYLE, whether the style defines them and draws them in order</source>
        <translation>перечислить типы, которые использует карта MAP в формате IMG, с числом объектов, а со стилем STYLE — определяет ли их стиль и задаёт ли порядок их отрисовки</translation>
    </message>
    <message>
        <source>point</source>
        <translation>точка</translation>
    </message>
    <message>
        <source>line</source>
        <translation>линия</translation>
    </message>
    <message>
        <source>polygon</source>
        <translation>полигон</translation>
    </message>
    <message>
        <source>map-types takes a map and, optionally, a style</source>
        <translation>map-types принимает карту и, по желанию, стиль</translation>
    </message>
    <message>
        <source>%1: %2 damaged subdivisions and %3 damaged labels skipped</source>
        <translation>%1: пропущено повреждённых подразделов: %2, повреждённых подписей: %3</translation>
    </message>
    <message>
        <source>yes</source>
        <translation>да</translation>
    </message>
    <message>
        <source>no</source>
        <translation>нет</translation>
    </message>
    <message>
        <source>kind</source>
        <translation>вид</translation>
    </message>
    <message>
        <source>type</source>
        <translation>тип</translation>
    </message>
    <message>
        <source>objects</source>
        <translation>объектов</translation>
    </message>
    <message>
        <source>in style</source>
        <translation>в стиле</translation>
    </message>
    <message>
        <source>in draw order</source>
        <translation>в порядке отрисовки</translation>
    </message>
</context>
</TS>
