<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
    <context>
        <name>JXAlertDialog</name>
        <message>
            <source>Cancel</source>
            <translation>Abbrechen</translation>
        </message>
        <message>
            <source>Dialog</source>
            <translation>Dialog</translation>
        </message>
        <message>
            <source>Ok</source>
            <translation>OK</translation>
        </message>
    </context>
    <context>
        <name>JXPlayWidget</name>
        <message>
            <source>Form</source>
            <translation>Formular</translation>
        </message>
    </context>
    <context>
        <name>JXTreeItemDelegate</name>
        <message>
            <source>%1 MB</source>
            <translation>%1 MB</translation>
        </message>
    </context>
    <context>
        <name>KoAppSettingDialog</name>
        <message>
            <source>English</source>
            <translation>Englisch</translation>
        </message>
        <message>
            <source>Japanese</source>
            <translation>Japanisch</translation>
        </message>
        <message>
            <source>俄文</source>
            <translation>Russisch</translation>
        </message>
        <message>
            <source>德文</source>
            <translation>Deutsch</translation>
        </message>
        <message>
            <source>意大利</source>
            <translation>Italienisch</translation>
        </message>
        <message>
            <source>简体中文</source>
            <translation>Chinesisch (vereinfacht)</translation>
        </message>
        <message>
            <source>繁体中文</source>
            <translation>Chinesisch (traditionell)</translation>
        </message>
        <message>
            <source>西班牙</source>
            <translation>Spanisch</translation>
        </message>
    </context>
    <context>
        <name>KoCoverWidget</name>
        <message>
            <source>Form</source>
            <translation>Formular</translation>
        </message>
    </context>
    <context>
        <name>KoPlaybackSpeed</name>
        <message>
            <source>%1x</source>
            <translation>%1x</translation>
        </message>
    </context>
    <context>
        <name>KoTrackExportDialog</name>
        <message>
            <source>%1 already exists and was left unchanged.</source>
            <translation>%1 existiert bereits und wurde nicht verändert.</translation>
        </message>
        <message>
            <source>CSV (*.csv)</source>
            <translation>CSV-Tabelle (*.csv)</translation>
        </message>
        <message>
            <source>Export track</source>
            <translation>Strecke exportieren</translation>
        </message>
        <message>
            <source>Export track...</source>
            <translation>Strecke exportieren...</translation>
        </message>
        <message>
            <source>GPX 1.1 (*.gpx)</source>
            <translation>GPX 1.1 (*.gpx)</translation>
        </message>
        <message>
            <source>The recording %1 cannot be read.</source>
            <translation>Die Aufnahme %1 kann nicht gelesen werden.</translation>
        </message>
        <message>
            <source>The recording %1 holds no GPS track. Nothing was exported.</source>
            <translation>Die Aufnahme %1 enthält keine GPS-Strecke. Es wurde nichts exportiert.</translation>
        </message>
        <message>
            <source>The track could not be written to %1. Check that the folder exists and that you may write to it.</source>
            <translation>Die Strecke konnte nicht nach %1 geschrieben werden. Prüfen Sie, ob der Ordner existiert und Sie darin schreiben dürfen.</translation>
        </message>
    </context>
</TS>
