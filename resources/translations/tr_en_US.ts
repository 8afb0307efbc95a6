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
        <name>JXEngineFailure</name>
        <message>
            <source>无法启动视频引擎（libmpv），播放器将关闭。</source>
            <translation>The video engine (libmpv) could not be started. Tavrin Player will close.</translation>
        </message>
        <message>
            <source>错误</source>
            <translation>Error</translation>
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
</TS>
