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
        <name>KoCommandLine</name>
        <message>
            <source>Options:</source>
            <translation>Opzioni:</translation>
        </message>
        <message>
            <source>Plays the recordings of a car dash camera. The files given are added to the playlist and the first one plays; a folder adds the recordings in it. When the player is already running, it receives the files.</source>
            <translation>Riproduce le registrazioni di una dashcam. I file indicati vengono aggiunti alla playlist e il primo viene riprodotto; una cartella aggiunge le registrazioni che contiene. Se il lettore è già in esecuzione, riceve lui i file.</translation>
        </message>
        <message>
            <source>Show the version and exit</source>
            <translation>Mostra la versione ed esce</translation>
        </message>
        <message>
            <source>Show this help and exit</source>
            <translation>Mostra questo aiuto ed esce</translation>
        </message>
        <message>
            <source>Try '%1 --help' for more information.</source>
            <translation>Per maggiori informazioni usare '%1 --help'.</translation>
        </message>
        <message>
            <source>Unknown option: %1</source>
            <translation>Opzione sconosciuta: %1</translation>
        </message>
        <message>
            <source>Usage: %1 [FILE or FOLDER]...</source>
            <translation>Uso: %1 [FILE o CARTELLA]...</translation>
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
