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
            <translation>%1 ya existe y no se ha modificado.</translation>
        </message>
        <message>
            <source>CSV (*.csv)</source>
            <translation>Tabla CSV (*.csv)</translation>
        </message>
        <message>
            <source>Export track</source>
            <translation>Exportar recorrido</translation>
        </message>
        <message>
            <source>Export track...</source>
            <translation>Exportar recorrido...</translation>
        </message>
        <message>
            <source>GPX 1.1 (*.gpx)</source>
            <translation>GPX 1.1 (*.gpx)</translation>
        </message>
        <message>
            <source>The recording %1 cannot be read.</source>
            <translation>No se puede leer la grabación %1.</translation>
        </message>
        <message>
            <source>The recording %1 holds no GPS track. Nothing was exported.</source>
            <translation>La grabación %1 no contiene ningún recorrido GPS. No se ha exportado nada.</translation>
        </message>
        <message>
            <source>The track could not be written to %1. Check that the folder exists and that you may write to it.</source>
            <translation>No se pudo escribir el recorrido en %1. Compruebe que la carpeta existe y que tiene permiso de escritura.</translation>
        </message>
    </context>
</TS>
