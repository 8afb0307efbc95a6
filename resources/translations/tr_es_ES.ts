<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es_ES">
    <context>
        <name>JXAlertDialog</name>
        <message>
            <source>Cancel</source>
            <translation>Cancelar</translation>
        </message>
        <message>
            <source>Dialog</source>
            <translation>Diálogo</translation>
        </message>
        <message>
            <source>Ok</source>
            <translation>Aceptar</translation>
        </message>
    </context>
    <context>
        <name>JXEngineFailure</name>
        <message>
            <source>无法启动视频引擎（libmpv），播放器将关闭。</source>
            <translation>No se pudo iniciar el motor de vídeo (libmpv). Tavrin Player se cerrará.</translation>
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
            <translation>Formulario</translation>
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
            <translation>Inglés</translation>
        </message>
        <message>
            <source>Japanese</source>
            <translation>Japonés</translation>
        </message>
        <message>
            <source>俄文</source>
            <translation>Ruso</translation>
        </message>
        <message>
            <source>德文</source>
            <translation>Alemán</translation>
        </message>
        <message>
            <source>意大利</source>
            <translation>Italiano</translation>
        </message>
        <message>
            <source>简体中文</source>
            <translation>Chino simplificado</translation>
        </message>
        <message>
            <source>繁体中文</source>
            <translation>Chino tradicional</translation>
        </message>
        <message>
            <source>西班牙</source>
            <translation>Español</translation>
        </message>
    </context>
    <context>
        <name>KoCoverWidget</name>
        <message>
            <source>Form</source>
            <translation>Formulario</translation>
        </message>
    </context>
</TS>
