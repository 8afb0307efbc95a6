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
        <name>KoCommandLine</name>
        <message>
            <source>Options:</source>
            <translation>Optionen:</translation>
        </message>
        <message>
            <source>Plays the recordings of a car dash camera. The files given are added to the playlist and the first one plays; a folder adds the recordings in it. When the player is already running, it receives the files.</source>
            <translation>Spielt die Aufnahmen einer Dashcam ab. Die angegebenen Dateien werden der Wiedergabeliste hinzugefügt und die erste wird abgespielt; ein Ordner fügt die Aufnahmen darin hinzu. Läuft der Player bereits, erhält er die Dateien.</translation>
        </message>
        <message>
            <source>Show the version and exit</source>
            <translation>Die Version anzeigen und beenden</translation>
        </message>
        <message>
            <source>Show this help and exit</source>
            <translation>Diese Hilfe anzeigen und beenden</translation>
        </message>
        <message>
            <source>Try '%1 --help' for more information.</source>
            <translation>Weitere Informationen mit „%1 --help“.</translation>
        </message>
        <message>
            <source>Unknown option: %1</source>
            <translation>Unbekannte Option: %1</translation>
        </message>
        <message>
            <source>Usage: %1 [FILE or FOLDER]...</source>
            <translation>Aufruf: %1 [DATEI oder ORDNER]...</translation>
        </message>
    </context>
    <context>
        <name>KoCoverWidget</name>
        <message>
            <source>Form</source>
            <translation>Formular</translation>
        </message>
    </context>
</TS>
