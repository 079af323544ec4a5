<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="fr_FR">
<context>
    <name>ConstructionArguments</name>
    <message>
        <source>Option incorrecte : --preset %1 (%2)</source>
        <translation>Bad option: --preset %1 (%2)</translation>
    </message>
    <message>
        <source>Option incorrecte : --units %1 (mm ou in)</source>
        <translation>Bad option: --units %1 (mm or in)</translation>
    </message>
</context>
<context>
    <name>ConstructionSettings</name>
    <message>
        <source>Europe</source>
        <translation>Europe</translation>
    </message>
    <message>
        <source>Amérique du Nord</source>
        <translation>North America</translation>
    </message>
</context>
<context>
    <name>ConstructionSettingsDialog</name>
    <message>
        <source>Choisir…</source>
        <translation>Choose…</translation>
    </message>
    <message>
        <source>Préréglages</source>
        <translation>Presets</translation>
    </message>
    <message>
        <source>millimètres</source>
        <translation>millimetres</translation>
    </message>
    <message>
        <source>pieds et pouces</source>
        <translation>feet and inches</translation>
    </message>
    <message>
        <source>Unité</source>
        <translation>Unit</translation>
    </message>
</context>
<context>
    <name>CutList</name>
    <message>
        <source>
Longueurs en pieds et pouces ; les remarques restent en millimètres.
</source>
        <translation>
Lengths in feet and inches; the remarks stay in millimetres.
</translation>
    </message>
</context>
<context>
    <name>LengthUnits</name>
    <message>
        <source>po</source>
        <translation>in</translation>
    </message>
</context>
</TS>