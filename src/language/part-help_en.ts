<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US" sourcelanguage="en_US">
<context>
    <name>HelpWindow</name>
    <message>
        <source>Words to find</source>
        <translation>Words to find</translation>
    </message>
    <message>
        <source>Contents</source>
        <translation>Contents</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>Search</translation>
    </message>
    <message>
        <source>Navigation</source>
        <translation>Navigation</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Back</translation>
    </message>
    <message>
        <source>Forward</source>
        <translation>Forward</translation>
    </message>
    <message>
        <source>Print...</source>
        <translation>Print...</translation>
    </message>
    <message>
        <source>TD700 Help - %1</source>
        <translation>TD700 Help - %1</translation>
    </message>
    <message>
        <source>TD700 Help</source>
        <translation>TD700 Help</translation>
    </message>
    <message>
        <source>No page holds all of these words.</source>
        <translation>No page holds all of these words.</translation>
    </message>
    <message>
        <source>1 page</source>
        <translation>1 page</translation>
    </message>
    <message>
        <source>%1 pages</source>
        <translation>%1 pages</translation>
    </message>
    <message>
        <source>Print this page</source>
        <translation>Print this page</translation>
    </message>
</context>
<context>
    <name>ManualWindow</name>
    <message>
        <source>TD700 Manual</source>
        <translation>TD700 Manual</translation>
    </message>
    <message>
        <source>Manual</source>
        <translation>Manual</translation>
    </message>
    <message>
        <source>Contents</source>
        <translation>Contents</translation>
    </message>
    <message>
        <source>Print...</source>
        <translation>Print...</translation>
    </message>
    <message>
        <source>Save as PDF...</source>
        <translation>Save as PDF...</translation>
    </message>
    <message>
        <source>Print the manual</source>
        <translation>Print the manual</translation>
    </message>
    <message>
        <source>Save the manual as PDF</source>
        <translation>Save the manual as PDF</translation>
    </message>
    <message>
        <source>PDF files (*.pdf)</source>
        <translation>PDF files (*.pdf)</translation>
    </message>
</context>
</TS>
