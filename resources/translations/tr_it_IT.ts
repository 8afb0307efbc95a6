<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it_IT">
    <context>
        <name>JXAlertDialog</name>
        <message>
            <source>Cancel</source>
            <translation>Annulla</translation>
        </message>
        <message>
            <source>Dialog</source>
            <translation>Finestra di dialogo</translation>
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
            <translation>Impossibile avviare il motore video (libmpv). Tavrin Player verrà chiuso.</translation>
        </message>
        <message>
            <source>错误</source>
            <translation>Errore</translation>
        </message>
    </context>
    <context>
        <name>JXPlayWidget</name>
        <message>
            <source>Form</source>
            <translation>Modulo</translation>
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
            <translation>Inglese</translation>
        </message>
        <message>
            <source>Japanese</source>
            <translation>Giapponese</translation>
        </message>
        <message>
            <source>俄文</source>
            <translation>Russo</translation>
        </message>
        <message>
            <source>德文</source>
            <translation>Tedesco</translation>
        </message>
        <message>
            <source>意大利</source>
            <translation>Italiano</translation>
        </message>
        <message>
            <source>简体中文</source>
            <translation>Cinese semplificato</translation>
        </message>
        <message>
            <source>繁体中文</source>
            <translation>Cinese tradizionale</translation>
        </message>
        <message>
            <source>西班牙</source>
            <translation>Spagnolo</translation>
        </message>
    </context>
    <context>
        <name>KoCoverWidget</name>
        <message>
            <source>Form</source>
            <translation>Modulo</translation>
        </message>
    </context>
</TS>
