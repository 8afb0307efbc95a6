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
        <name>VelmorMainWidget</name>
        <message>
            <source>mov</source>
            <translation>mov</translation>
        </message>
        <message>
            <source>mp4</source>
            <translation>mp4</translation>
        </message>
        <message>
            <source>ts</source>
            <translation>ts</translation>
        </message>
        <message>
            <source>上一帧</source>
            <translation>Registrazione precedente</translation>
        </message>
        <message>
            <source>下一帧</source>
            <translation>Registrazione successiva</translation>
        </message>
        <message>
            <source>伟 度</source>
            <translation>Latitudine</translation>
        </message>
        <message>
            <source>停止</source>
            <translation>Stop</translation>
        </message>
        <message>
            <source>全屏</source>
            <translation>Schermo intero</translation>
        </message>
        <message>
            <source>全屏播放</source>
            <translation>Schermo intero</translation>
        </message>
        <message>
            <source>切换画面</source>
            <translation>Cambia vista</translation>
        </message>
        <message>
            <source>打开文件</source>
            <translation>Apri file</translation>
        </message>
        <message>
            <source>打开文件夹</source>
            <translation>Apri cartella</translation>
        </message>
        <message>
            <source>抓拍图片</source>
            <translation>Istantanea</translation>
        </message>
        <message>
            <source>拍照</source>
            <translation>Istantanea</translation>
        </message>
        <message>
            <source>提示</source>
            <translation>Avviso</translation>
        </message>
        <message>
            <source>播放/暂停</source>
            <translation>Riproduci/Pausa</translation>
        </message>
        <message>
            <source>放大</source>
            <translation>Ingrandisci</translation>
        </message>
        <message>
            <source>海 拔</source>
            <translation>Altitudine</translation>
        </message>
        <message>
            <source>添加文件</source>
            <translation>File</translation>
        </message>
        <message>
            <source>添加文件夹</source>
            <translation>Cartella</translation>
        </message>
        <message>
            <source>清空列表</source>
            <translation>Svuota</translation>
        </message>
        <message>
            <source>确定要清空文件列表？</source>
            <translation>Svuotare l'elenco dei file?</translation>
        </message>
        <message>
            <source>经 度</source>
            <translation>Longitudine</translation>
        </message>
        <message>
            <source>缩小</source>
            <translation>Riduci</translation>
        </message>
        <message>
            <source>静音</source>
            <translation>Muto</translation>
        </message>
    </context>
</TS>
