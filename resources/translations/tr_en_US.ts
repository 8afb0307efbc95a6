<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US">
    <context>
        <name>JXAlertDialog</name>
        <message>
            <source>Cancel</source>
            <translation>Cancel</translation>
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
            <translation>Form</translation>
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
            <translation>English</translation>
        </message>
        <message>
            <source>Japanese</source>
            <translation>Japanese</translation>
        </message>
        <message>
            <source>俄文</source>
            <translation>Russian</translation>
        </message>
        <message>
            <source>德文</source>
            <translation>German</translation>
        </message>
        <message>
            <source>意大利</source>
            <translation>Italian</translation>
        </message>
        <message>
            <source>简体中文</source>
            <translation>Simplified Chinese</translation>
        </message>
        <message>
            <source>繁体中文</source>
            <translation>Traditional Chinese</translation>
        </message>
        <message>
            <source>西班牙</source>
            <translation>Spanish</translation>
        </message>
    </context>
    <context>
        <name>KoCommandLine</name>
        <message>
            <source>Options:</source>
            <translation>Options:</translation>
        </message>
        <message>
            <source>Plays the recordings of a car dash camera. The files given are added to the playlist and the first one plays; a folder adds the recordings in it. When the player is already running, it receives the files.</source>
            <translation>Plays the recordings of a car dash camera. The files given are added to the playlist and the first one plays; a folder adds the recordings in it. When the player is already running, it receives the files.</translation>
        </message>
        <message>
            <source>Show the version and exit</source>
            <translation>Show the version and exit</translation>
        </message>
        <message>
            <source>Show this help and exit</source>
            <translation>Show this help and exit</translation>
        </message>
        <message>
            <source>Try '%1 --help' for more information.</source>
            <translation>Try '%1 --help' for more information.</translation>
        </message>
        <message>
            <source>Unknown option: %1</source>
            <translation>Unknown option: %1</translation>
        </message>
        <message>
            <source>Usage: %1 [FILE or FOLDER]...</source>
            <translation>Usage: %1 [FILE or FOLDER]...</translation>
        </message>
    </context>
    <context>
        <name>KoCoverWidget</name>
        <message>
            <source>Form</source>
            <translation>Form</translation>
        </message>
    </context>
</TS>
