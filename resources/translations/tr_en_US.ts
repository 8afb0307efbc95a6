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
        <name>KoCoverWidget</name>
        <message>
            <source>Form</source>
            <translation>Form</translation>
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
            <translation>%1 already exists and was left unchanged.</translation>
        </message>
        <message>
            <source>CSV (*.csv)</source>
            <translation>CSV (*.csv)</translation>
        </message>
        <message>
            <source>Export track</source>
            <translation>Export track</translation>
        </message>
        <message>
            <source>Export track...</source>
            <translation>Export track...</translation>
        </message>
        <message>
            <source>GPX 1.1 (*.gpx)</source>
            <translation>GPX 1.1 (*.gpx)</translation>
        </message>
        <message>
            <source>The recording %1 cannot be read.</source>
            <translation>The recording %1 cannot be read.</translation>
        </message>
        <message>
            <source>The recording %1 holds no GPS track. Nothing was exported.</source>
            <translation>The recording %1 holds no GPS track. Nothing was exported.</translation>
        </message>
        <message>
            <source>The track could not be written to %1. Check that the folder exists and that you may write to it.</source>
            <translation>The track could not be written to %1. Check that the folder exists and that you may write to it.</translation>
        </message>
    </context>
</TS>
