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
        <name>KoCoverWidget</name>
        <message>
            <source>Form</source>
            <translation>Modulo</translation>
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
            <translation>%1 esiste già ed è stato lasciato invariato.</translation>
        </message>
        <message>
            <source>CSV (*.csv)</source>
            <translation>Tabella CSV (*.csv)</translation>
        </message>
        <message>
            <source>Export track</source>
            <translation>Esporta traccia</translation>
        </message>
        <message>
            <source>Export track...</source>
            <translation>Esporta traccia...</translation>
        </message>
        <message>
            <source>GPX 1.1 (*.gpx)</source>
            <translation>GPX 1.1 (*.gpx)</translation>
        </message>
        <message>
            <source>The recording %1 cannot be read.</source>
            <translation>Impossibile leggere la registrazione %1.</translation>
        </message>
        <message>
            <source>The recording %1 holds no GPS track. Nothing was exported.</source>
            <translation>La registrazione %1 non contiene una traccia GPS. Non è stato esportato nulla.</translation>
        </message>
        <message>
            <source>The track could not be written to %1. Check that the folder exists and that you may write to it.</source>
            <translation>Impossibile scrivere la traccia in %1. Verificare che la cartella esista e che sia consentito scriverci.</translation>
        </message>
    </context>
</TS>
