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
        <name>JXEngineFailure</name>
        <message>
            <source>无法启动视频引擎（libmpv），播放器将关闭。</source>
            <translation>Die Video-Engine (libmpv) konnte nicht gestartet werden. Tavrin Player wird beendet.</translation>
        </message>
        <message>
            <source>错误</source>
            <translation>Fehler</translation>
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
</TS>
