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
        <name>JXDeviceTreeView</name>
        <message>
            <source>No track read yet: the track is read when the recording plays.</source>
            <translation>Aún no se ha leído la pista: se lee al reproducir la grabación.</translation>
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
            <source>Current Version: </source>
            <translation>Versión actual: </translation>
        </message>
        <message>
            <source>English</source>
            <translation>English</translation>
        </message>
        <message>
            <source>Japanese</source>
            <translation>Japanese</translation>
        </message>
        <message>
            <source>OpenStreetMap</source>
            <translation>OpenStreetMap</translation>
        </message>
        <message>
            <source>Project page: %1</source>
            <translation>Página del proyecto: %1</translation>
        </message>
        <message>
            <source>Questions and bug reports: the project page's tracker.</source>
            <translation>Preguntas e informes de errores: el gestor de incidencias de la página del proyecto.</translation>
        </message>
        <message>
            <source>System Setting</source>
            <translation>Configuración del sistema</translation>
        </message>
        <message>
            <source>Tavrin Player plays dash-camera recordings together with their route, speed and G-sensor track.</source>
            <translation>Tavrin Player reproduce las grabaciones de la cámara del coche junto con la ruta, la velocidad y los datos del sensor G.</translation>
        </message>
        <message>
            <source>Tavrin Player: every camera of a drive, one timeline.</source>
            <translation>Tavrin Player: todas las cámaras de un viaje, una sola línea de tiempo.</translation>
        </message>
        <message>
            <source>Version Info</source>
            <translation>Información de la versión</translation>
        </message>
        <message>
            <source>Web site: %1</source>
            <translation>Sitio web: %1</translation>
        </message>
        <message>
            <source>俄文</source>
            <translation>русский</translation>
        </message>
        <message>
            <source>地图选择：</source>
            <translation>Servicio de mapas:</translation>
        </message>
        <message>
            <source>德文</source>
            <translation>Deutsch</translation>
        </message>
        <message>
            <source>意大利</source>
            <translation>Italiano</translation>
        </message>
        <message>
            <source>抓拍路径</source>
            <translation>Carpeta de capturas</translation>
        </message>
        <message>
            <source>抓拍路径：</source>
            <translation>Carpeta de capturas:</translation>
        </message>
        <message>
            <source>无法写入所选文件夹，抓拍路径未更改。</source>
            <translation>No se puede escribir en la carpeta elegida. La carpeta de capturas no ha cambiado.</translation>
        </message>
        <message>
            <source>百度地图</source>
            <translation>Baidu Maps</translation>
        </message>
        <message>
            <source>简体中文</source>
            <translation>简体中文</translation>
        </message>
        <message>
            <source>繁体中文</source>
            <translation>繁体中文</translation>
        </message>
        <message>
            <source>西班牙</source>
            <translation>Español</translation>
        </message>
        <message>
            <source>语言设置：</source>
            <translation>Idioma:</translation>
        </message>
        <message>
            <source>谷歌地图</source>
            <translation>Google Maps</translation>
        </message>
        <message>
            <source>速度单位：</source>
            <translation>Unidad de velocidad:</translation>
        </message>
    </context>
    <context>
        <name>KoClipExport</name>
        <message>
            <source>No recording was given.</source>
            <translation>No se ha indicado ninguna grabación.</translation>
        </message>
        <message>
            <source>The clip could not be moved into %1: %2</source>
            <translation>No se ha podido mover el clip a %1: %2</translation>
        </message>
        <message>
            <source>The clip needs the ffmpeg program, which is not installed.</source>
            <translation>El clip necesita el programa ffmpeg, que no está instalado.</translation>
        </message>
        <message>
            <source>The disk of %1 is full: the clip was not saved.</source>
            <translation>El disco de %1 está lleno: el clip no se ha guardado.</translation>
        </message>
        <message>
            <source>The folder %1 cannot be made.</source>
            <translation>No se puede crear la carpeta %1.</translation>
        </message>
        <message>
            <source>The folder %1 cannot be written to.</source>
            <translation>No se puede escribir en la carpeta %1.</translation>
        </message>
        <message>
            <source>The folder %1 holds too many clips of this name.</source>
            <translation>La carpeta %1 contiene demasiados clips con este nombre.</translation>
        </message>
        <message>
            <source>The range %1 to %2 lies outside the recording (0:00.0 to %3).</source>
            <translation>El rango de %1 a %2 queda fuera de la grabación (de 0:00.0 a %3).</translation>
        </message>
        <message>
            <source>The range is empty: its end must come after its start.</source>
            <translation>El rango está vacío: el final debe ser posterior al inicio.</translation>
        </message>
        <message>
            <source>The recording %1 cannot be found: it was moved or deleted.</source>
            <translation>No se encuentra la grabación %1: se ha movido o eliminado.</translation>
        </message>
        <message>
            <source>The recording %1 cannot be read.</source>
            <translation>No se puede leer la grabación %1.</translation>
        </message>
        <message>
            <source>The temporary folder %1 cannot be written.</source>
            <translation>No se puede escribir en la carpeta temporal %1.</translation>
        </message>
        <message>
            <source>The track could not be written into %1.</source>
            <translation>No se ha podido escribir el recorrido en %1.</translation>
        </message>
        <message>
            <source>There is not enough free space in %1: the clip needs about %2 MB, %3 MB are free.</source>
            <translation>No hay espacio libre suficiente en %1: el clip necesita unos %2 MB y hay %3 MB libres.</translation>
        </message>
        <message>
            <source>ffmpeg could not write the clip: %1</source>
            <translation>ffmpeg no ha podido escribir el clip: %1</translation>
        </message>
    </context>
    <context>
        <name>KoClipExportDialog</name>
        <message>
            <source>%1, channels: %2</source>
            <translation>%1, canales: %2</translation>
        </message>
        <message>
            <source>Cancel</source>
            <translation>Cancelar</translation>
        </message>
        <message>
            <source>Cancelled: nothing was saved.</source>
            <translation>Cancelado: no se ha guardado nada.</translation>
        </message>
        <message>
            <source>Cancelling...</source>
            <translation>Cancelando...</translation>
        </message>
        <message>
            <source>Choose the folder for the clip</source>
            <translation>Elija la carpeta para el clip</translation>
        </message>
        <message>
            <source>Choose...</source>
            <translation>Elegir...</translation>
        </message>
        <message>
            <source>Close</source>
            <translation>Cerrar</translation>
        </message>
        <message>
            <source>Every channel in its original quality, cut without re-encoding, with the track as GPX and CSV, in a new folder.</source>
            <translation>Cada canal en su calidad original, cortado sin recodificar, con el recorrido en GPX y CSV, en una carpeta nueva.</translation>
        </message>
        <message>
            <source>Export</source>
            <translation>Exportar</translation>
        </message>
        <message>
            <source>Export clip</source>
            <translation>Exportar clip</translation>
        </message>
        <message>
            <source>Export clip...</source>
            <translation>Exportar clip...</translation>
        </message>
        <message>
            <source>Exporting...</source>
            <translation>Exportando...</translation>
        </message>
        <message>
            <source>Folder</source>
            <translation>Carpeta</translation>
        </message>
        <message>
            <source>From</source>
            <translation>Desde</translation>
        </message>
        <message>
            <source>Left out, as they cannot be read: %1</source>
            <translation>Omitidos por no poder leerse: %1</translation>
        </message>
        <message>
            <source>Length: %1 s</source>
            <translation>Duración: %1 s</translation>
        </message>
        <message>
            <source>One video</source>
            <translation>Un solo vídeo</translation>
        </message>
        <message>
            <source>Open folder</source>
            <translation>Abrir carpeta</translation>
        </message>
        <message>
            <source>Reading the recording...</source>
            <translation>Leyendo la grabación...</translation>
        </message>
        <message>
            <source>Saved to %1.</source>
            <translation>Guardado en %1.</translation>
        </message>
        <message>
            <source>Separate files</source>
            <translation>Archivos separados</translation>
        </message>
        <message>
            <source>The channels side by side with the camera time, speed, position and G-sensor burned in (H.264, MP4).</source>
            <translation>Los canales uno junto a otro con la hora de la cámara, la velocidad, la posición y el sensor G incrustados (H.264, MP4).</translation>
        </message>
        <message>
            <source>The files start up to %1 s before the in point, at a keyframe.</source>
            <translation>Los archivos empiezan hasta %1 s antes del punto de entrada, en un fotograma clave.</translation>
        </message>
        <message>
            <source>The recording holds no GPS track.</source>
            <translation>La grabación no contiene recorrido GPS.</translation>
        </message>
        <message>
            <source>To</source>
            <translation>Hasta</translation>
        </message>
        <message>
            <source>s</source>
            <translation>s</translation>
        </message>
    </context>
    <context>
        <name>KoClipReadings</name>
        <message>
            <source>no GPS fix</source>
            <translation>sin posición GPS</translation>
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
    <context>
        <name>KoDrivingEvents</name>
        <message>
            <source>Harsh acceleration</source>
            <translation>Aceleración brusca</translation>
        </message>
        <message>
            <source>Harsh braking</source>
            <translation>Frenada brusca</translation>
        </message>
        <message>
            <source>Impact</source>
            <translation>Impacto</translation>
        </message>
        <message>
            <source>Sharp cornering</source>
            <translation>Giro brusco</translation>
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
        <name>KoSnapshotTaker</name>
        <message>
            <source>The snapshot was not saved in the folder %1.</source>
            <translation>La captura no se guardó en la carpeta %1.</translation>
        </message>
        <message>
            <source>The snapshot was not saved: the disk of the folder %1 is full.</source>
            <translation>La captura no se guardó: el disco de la carpeta %1 está lleno.</translation>
        </message>
        <message>
            <source>The snapshot was not saved: the folder %1 cannot be written to. Choose another folder in the settings.</source>
            <translation>La captura no se guardó: no se puede escribir en la carpeta %1. Elija otra carpeta en la configuración.</translation>
        </message>
        <message>
            <source>The snapshot was not saved: the folder %1 does not exist. Choose another folder in the settings or connect its drive.</source>
            <translation>La captura no se guardó: la carpeta %1 no existe. Elija otra carpeta en la configuración o conecte su unidad.</translation>
        </message>
    </context>
    <context>
        <name>KoTrackExportDialog</name>
        <message>
            <source>%1 already exists and was left unchanged.</source>
            <translation>%1 ya existe y no se ha modificado.</translation>
        </message>
        <message>
            <source>%1 is a recording of the playlist: the track was not written and the recording is unchanged. Choose another file name.</source>
            <translation>%1 es una grabación de la lista de reproducción: la pista no se ha escrito y la grabación no ha cambiado. Elija otro nombre de archivo.</translation>
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
    <context>
        <name>KoTrackSummary</name>
        <message>
            <source>Distance %1 %2</source>
            <translation>Distancia %1 %2</translation>
        </message>
        <message>
            <source>Duration %1</source>
            <translation>Duración %1</translation>
        </message>
        <message>
            <source>Events %1</source>
            <translation>Eventos %1</translation>
        </message>
        <message>
            <source>Top speed %1 %2</source>
            <translation>Velocidad máxima %1 %2</translation>
        </message>
    </context>
    <context>
        <name>KoTripNavigator</name>
        <message>
            <source>Driving events: %1</source>
            <translation>Eventos de conducción: %1</translation>
        </message>
        <message>
            <source>Recordings: %1</source>
            <translation>Grabaciones: %1</translation>
        </message>
        <message>
            <source>The figures count only the recordings whose track has been read.</source>
            <translation>Las cifras solo cuentan las grabaciones cuya pista se ha leído.</translation>
        </message>
        <message>
            <source>Trip: %1</source>
            <translation>Trayecto: %1</translation>
        </message>
    </context>
    <context>
        <name>KoTrips</name>
        <message>
            <source>top speed %1 %2</source>
            <translation>velocidad máxima %1 %2</translation>
        </message>
    </context>
    <context>
        <name>VelmorMainWidget</name>
        <message>
            <source>No sound output</source>
            <translation>Sin salida de sonido</translation>
        </message>
        <message>
            <source>No sound output: the sound device cannot be opened, recordings play without sound.</source>
            <translation>Sin salida de sonido: no se puede abrir el dispositivo de sonido, las grabaciones se reproducen sin sonido.</translation>
        </message>
        <message>
            <source>Settings</source>
            <translation>Configuración</translation>
        </message>
        <message>
            <source>Settings cannot be saved: changes are lost when the player closes.</source>
            <translation>No se pueden guardar los ajustes: se perderán al salir.</translation>
        </message>
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
            <translation>Grabación anterior</translation>
        </message>
        <message>
            <source>下一帧</source>
            <translation>Grabación siguiente</translation>
        </message>
        <message>
            <source>伟 度</source>
            <translation>Latitud</translation>
        </message>
        <message>
            <source>停止</source>
            <translation>Detener</translation>
        </message>
        <message>
            <source>全屏</source>
            <translation>Pantalla completa</translation>
        </message>
        <message>
            <source>全屏播放</source>
            <translation>Pantalla completa</translation>
        </message>
        <message>
            <source>切换画面</source>
            <translation>Cambiar vista</translation>
        </message>
        <message>
            <source>打开文件</source>
            <translation>Abrir archivos</translation>
        </message>
        <message>
            <source>打开文件夹</source>
            <translation>Abrir carpeta</translation>
        </message>
        <message>
            <source>抓拍图片</source>
            <translation>Captura</translation>
        </message>
        <message>
            <source>拍照</source>
            <translation>Captura</translation>
        </message>
        <message>
            <source>提示</source>
            <translation>Aviso</translation>
        </message>
        <message>
            <source>播放/暂停</source>
            <translation>Reproducir/Pausa</translation>
        </message>
        <message>
            <source>放大</source>
            <translation>Acercar</translation>
        </message>
        <message>
            <source>海 拔</source>
            <translation>Altitud</translation>
        </message>
        <message>
            <source>添加文件</source>
            <translation>Archivos</translation>
        </message>
        <message>
            <source>添加文件夹</source>
            <translation>Carpeta</translation>
        </message>
        <message>
            <source>清空列表</source>
            <translation>Vaciar lista</translation>
        </message>
        <message>
            <source>确定要清空文件列表？</source>
            <translation>¿Vaciar la lista de archivos?</translation>
        </message>
        <message>
            <source>经 度</source>
            <translation>Longitud</translation>
        </message>
        <message>
            <source>缩小</source>
            <translation>Alejar</translation>
        </message>
        <message>
            <source>静音</source>
            <translation>Silenciar</translation>
        </message>
    </context>
</TS>
