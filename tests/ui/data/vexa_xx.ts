<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<!-- A made-up language for tst_translations: a few texts of the core, of a
     dialog and of the menus, with characters beyond Latin-1, and one
     translation that drops its placeholder (it must not be used). -->
<TS version="2.1" language="xx">
<context>
    <name>vexa</name>
    <message>
        <source>Ready</source>
        <translation>Bereit äöü €</translation>
    </message>
    <message>
        <source>&amp;Template</source>
        <translation>&amp;Vorläge</translation>
    </message>
    <message>
        <source>&amp;New	Ctrl+N</source>
        <translation>&amp;Neu	Ctrl+N</translation>
    </message>
    <message>
        <source>Create a new Template</source>
        <translation>Eine neue Vorläge anlegen</translation>
    </message>
    <message>
        <source>Save changes to %1?</source>
        <translation>Änderungen speichern?</translation>
    </message>
</context>
<context>
    <name>vexa::CKeyWordTable</name>
    <message>
        <source>Special Function Key Word Table</source>
        <translation>Tabelle der Schlüsselwörter</translation>
    </message>
</context>
<context>
    <name>vexa::CAboutDlg</name>
    <message>
        <source>Keyboard Editor Version %1</source>
        <translation>Tastatur-Editor, Fassung %1</translation>
    </message>
</context>
</TS>
