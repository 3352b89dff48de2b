<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ru" sourcelanguage="en">
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
