<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="en">
<context>
    <name>vorlan::CLibraryDlg</name>
    <message numerus="yes">
        <source>%n file(s) could not be read: %1</source>
        <translation>
            <numerusform>%n file could not be read: %1</numerusform>
            <numerusform>%n files could not be read: %1</numerusform>
        </translation>
    </message>
</context>
</TS>
