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
        <name>KoCommandLine</name>
        <message>
            <source>Options:</source>
            <translation>Opciones:</translation>
        </message>
        <message>
            <source>Plays the recordings of a car dash camera. The files given are added to the playlist and the first one plays; a folder adds the recordings in it. When the player is already running, it receives the files.</source>
            <translation>Reproduce las grabaciones de una cámara de coche. Los archivos indicados se añaden a la lista de reproducción y se reproduce el primero; una carpeta añade las grabaciones que contiene. Si el reproductor ya está en ejecución, él recibe los archivos.</translation>
        </message>
        <message>
            <source>Show the version and exit</source>
            <translation>Muestra la versión y sale</translation>
        </message>
        <message>
            <source>Show this help and exit</source>
            <translation>Muestra esta ayuda y sale</translation>
        </message>
        <message>
            <source>Try '%1 --help' for more information.</source>
            <translation>Para más información, use '%1 --help'.</translation>
        </message>
        <message>
            <source>Unknown option: %1</source>
            <translation>Opción desconocida: %1</translation>
        </message>
        <message>
            <source>Usage: %1 [FILE or FOLDER]...</source>
            <translation>Uso: %1 [ARCHIVO o CARPETA]...</translation>
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
