<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ru" sourcelanguage="en">
<context>
    <name>Alpha</name>
    <message>
        <source>Open</source>
        <translation>Открыть</translation>
    </message>
    <message>
        <source>Usage:</source>
        <translation>Использование:</translation>
    </message>
    <message>
        <source>Not yet</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Close</source>
        <comment>verb</comment>
        <translation>Закрыть</translation>
    </message>
    <message>
        <source>Smile</source>
        <translation>Улыбка 😀</translation>
    </message>
</context>
<context>
    <name>Beta</name>
    <message>
        <source>Open</source>
        <translation>Раскрыть</translation>
    </message>
</context>
</TS>
