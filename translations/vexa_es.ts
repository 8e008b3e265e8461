<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es_ES">
<context>
    <name>LayoutView</name>
    <message>
        <source>ASCII mode</source>
        <translation>modo ASCII</translation>
    </message>
    <message>
        <source>scan code mode</source>
        <translation>modo código de escaneo</translation>
    </message>
    <message>
        <source>empty</source>
        <translation>vacía</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>Key name: %1, key content: %2, total space left: %3 bytes</source>
        <translation>Nombre de la tecla: %1, contenido de la tecla: %2, espacio libre total: %3 bytes</translation>
    </message>
</context>
<context>
    <name>QtUserInterface</name>
    <message>
        <source>Open</source>
        <extracomment>The title of the file chooser that opens a template.</extracomment>
        <translation>Abrir</translation>
    </message>
    <message>
        <source>All Files (*)</source>
        <translation>Todos los archivos (*)</translation>
    </message>
    <message>
        <source>Save As</source>
        <translation>Guardar como</translation>
    </message>
    <message>
        <source>PDF document (*.pdf)</source>
        <translation>Documento PDF (*.pdf)</translation>
    </message>
    <message>
        <source>SVG picture (*.svg)</source>
        <translation>Imagen SVG (*.svg)</translation>
    </message>
    <message>
        <source>PNG picture (*.png)</source>
        <translation>Imagen PNG (*.png)</translation>
    </message>
    <message>
        <source>Export Picture</source>
        <translation>Exportar imagen</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>Use a simulated keyboard whose memory is kept in &lt;file&gt;; a directory: one USB keyboard per .bin file in it.</source>
        <translation>Usar un teclado simulado cuya memoria se guarda en &lt;file&gt;; un directorio: un teclado USB por cada archivo .bin que contiene.</translation>
    </message>
    <message>
        <source>PS/2 through &lt;node&gt;, an already bound serio_raw device (/dev/serio_rawN): nothing is bound.</source>
        <translation>PS/2 a través de &lt;node&gt;, un dispositivo serio_raw ya vinculado (/dev/serio_rawN): no se vincula nada.</translation>
    </message>
    <message>
        <source>Key definition editor for programmable point-of-sale keyboards</source>
        <translation>Editor de las definiciones de teclas de teclados programables de punto de venta</translation>
    </message>
    <message>
        <source>Template file to open.</source>
        <translation>Archivo de plantilla que se abre.</translation>
    </message>
</context>
<context>
    <name>vexa</name>
    <message>
        <source>Tessaly  Programmable Keyboard</source>
        <translation>Teclado programable Tessaly</translation>
    </message>
    <message>
        <source>Ready</source>
        <translation>Listo</translation>
    </message>
    <message>
        <source>About VEXA</source>
        <translation>Acerca de VEXA</translation>
    </message>
    <message>
        <source>Save changes to %1?</source>
        <translation>¿Guardar los cambios en %1?</translation>
    </message>
    <message>
        <source>Wrong function word or scan code word!!</source>
        <translation>¡Palabra de función o palabra de código de escaneo incorrecta!!</translation>
    </message>
    <message>
        <source>Wrong ASCII or function word!!</source>
        <translation>¡Palabra ASCII o palabra de función incorrecta!!</translation>
    </message>
    <message>
        <source>Not enough keyboard memory: the key data is %d bytes too long!!</source>
        <translation>¡Memoria del teclado insuficiente: los datos de las teclas sobran en %d bytes!!</translation>
    </message>
    <message>
        <source>Key %s: %s is not a function word or scan code word.</source>
        <translation>Tecla %s: %s no es una palabra de función ni una palabra de código de escaneo.</translation>
    </message>
    <message>
        <source>Key %s: %s must be the whole content of the key.</source>
        <translation>Tecla %s: %s debe ser todo el contenido de la tecla.</translation>
    </message>
    <message>
        <source>Key %s: the scan code word %s can&apos;t be mixed with characters or ASCII mode words.</source>
        <translation>Tecla %s: la palabra de código de escaneo %s no se puede mezclar con caracteres ni con palabras del modo ASCII.</translation>
    </message>
    <message>
        <source>Key %s: %s has no closing bracket.</source>
        <translation>Tecla %s: a %s le falta el corchete de cierre.</translation>
    </message>
    <message>
        <source>Key %s: a ] closes no word (a bracket character is written twice: ]]).</source>
        <translation>Tecla %s: un ] no cierra ninguna palabra (un corchete como carácter se escribe dos veces: ]]).</translation>
    </message>
    <message>
        <source>Key %s: the content holds a zero byte.</source>
        <translation>Tecla %s: el contenido contiene un byte cero.</translation>
    </message>
    <message>
        <source>key index %d</source>
        <translation>índice de tecla %d</translation>
    </message>
    <message>
        <source>position %d, key index %d, label &quot;%s&quot;: %s</source>
        <translation>posición %d, índice de tecla %d, etiqueta &quot;%s&quot;: %s</translation>
    </message>
    <message>
        <source>key index %d (not on the layout): %s</source>
        <translation>índice de tecla %d (no está en la distribución): %s</translation>
    </message>
    <message>
        <source>A shift level code is the whole content of its key: clear the key to type into it.</source>
        <translation>Un código de nivel de mayúsculas es todo el contenido de su tecla: borrar la tecla para escribir en ella.</translation>
    </message>
    <message>
        <source>The template file: &lt;%s&gt; is too short (%d bytes; a template has 2048)!!</source>
        <translation>¡El archivo de plantilla: &lt;%s&gt; es demasiado corto (%d bytes; una plantilla tiene 2048)!!</translation>
    </message>
    <message>
        <source>The template file: &lt;%s&gt; can&apos;t be opened !!</source>
        <translation>¡El archivo de plantilla: &lt;%s&gt; no se puede abrir !!</translation>
    </message>
    <message>
        <source>The template file: &lt;%s&gt; can&apos;t be written !!</source>
        <translation>¡El archivo de plantilla: &lt;%s&gt; no se puede escribir !!</translation>
    </message>
    <message>
        <source>The text file: &lt;%s&gt; can&apos;t be written !!</source>
        <translation>¡El archivo de texto: &lt;%s&gt; no se puede escribir !!</translation>
    </message>
    <message>
        <source>The text file: &lt;%s&gt; is NOT in the directory !!</source>
        <translation>¡El archivo de texto: &lt;%s&gt; NO está en el directorio !!</translation>
    </message>
    <message>
        <source>The text file: &lt;%s&gt; is too large for a text template !!</source>
        <translation>¡El archivo de texto: &lt;%s&gt; es demasiado grande para una plantilla de texto !!</translation>
    </message>
    <message>
        <source>The text file: &lt;%s&gt; is written, but the key at position %d holds a line feed, which a text file can&apos;t carry: importing it will misplace the keys after it !!</source>
        <translation>¡El archivo de texto: &lt;%s&gt; se ha escrito, pero la tecla de la posición %d contiene un salto de línea, que un archivo de texto no puede llevar: al importarlo, las teclas siguientes quedarán descolocadas !!</translation>
    </message>
    <message>
        <source>The number of rows in the text file is wrong
</source>
        <translation>El número de filas del archivo de texto es incorrecto
</translation>
    </message>
    <message>
        <source>It is a link that another user made in a folder that others may write to: VEXA does not write through it.</source>
        <translation>Es un enlace que otro usuario creó en una carpeta en la que otros pueden escribir: VEXA no escribe a través de él.</translation>
    </message>
    <message>
        <source>Template files (*.bin)</source>
        <translation>Archivos de plantilla (*.bin)</translation>
    </message>
    <message>
        <source>All files (*)</source>
        <translation>Todos los archivos (*)</translation>
    </message>
    <message>
        <source>The picture file: &lt;%s&gt; must be named .svg, .png or .pdf !!</source>
        <translation>¡El archivo de imagen: &lt;%s&gt; debe llamarse .svg, .png o .pdf !!</translation>
    </message>
    <message>
        <source>The picture file: &lt;%s&gt; can&apos;t be written !!</source>
        <translation>¡El archivo de imagen: &lt;%s&gt; no se puede escribir !!</translation>
    </message>
    <message>
        <source>The legend sheet can&apos;t be printed !!</source>
        <translation>¡La hoja de leyendas no se puede imprimir !!</translation>
    </message>
    <message>
        <source>Select Keyboard</source>
        <translation>Seleccionar teclado</translation>
    </message>
    <message>
        <source>Are you sure to select another keyboard?</source>
        <translation>¿Seguro que desea seleccionar otro teclado?</translation>
    </message>
    <message>
        <source>This will clear the active template data !!!</source>
        <translation>¡Esto borrará los datos de la plantilla activa !!!</translation>
    </message>
    <message>
        <source>Please enter an integer between 0 and 255.</source>
        <translation>Hay que introducir un número entero entre 0 y 255.</translation>
    </message>
    <message>
        <source>Please enter an integer between %1 and %2.</source>
        <translation>Hay que introducir un número entero entre %1 y %2.</translation>
    </message>
    <message>
        <source>Put Delay Time</source>
        <translation>Insertar tiempo de retardo</translation>
    </message>
    <message>
        <source>Time:</source>
        <translation>Tiempo:</translation>
    </message>
    <message>
        <source> x 0.1 second</source>
        <translation> x 0,1 segundos</translation>
    </message>
    <message>
        <source>Put Shift Level Code</source>
        <translation>Insertar código de nivel de mayúsculas</translation>
    </message>
    <message>
        <source>Level No:</source>
        <translation>Nivel n.º:</translation>
    </message>
    <message>
        <source>(1--9)</source>
        <translation>(1--9)</translation>
    </message>
    <message>
        <source>Input ASCII Code</source>
        <translation>Introducir código ASCII</translation>
    </message>
    <message>
        <source>ASCII code:</source>
        <translation>Código ASCII:</translation>
    </message>
    <message>
        <source>(1--240)</source>
        <translation>(1--240)</translation>
    </message>
    <message>
        <source>Input Scan Code</source>
        <translation>Introducir código de escaneo</translation>
    </message>
    <message>
        <source>Scan Code:</source>
        <translation>Código de escaneo:</translation>
    </message>
    <message>
        <source>Get wrong system information
Exit.Then, try again please</source>
        <translation>Se obtuvo información errónea del sistema
Salir del programa y volver a intentarlo, por favor</translation>
    </message>
    <message>
        <source>Can&apos;t open the KB driver</source>
        <translation>No se puede abrir el controlador del teclado</translation>
    </message>
    <message>
        <source>the kernel has no i8042 keyboard port (no serio port &quot;i8042 KBD port&quot;)</source>
        <translation>el núcleo no tiene puerto de teclado i8042 (ningún puerto serio &quot;i8042 KBD port&quot;)</translation>
    </message>
    <message>
        <source>the serio_raw module is not loaded: run &quot;sudo modprobe serio_raw&quot;</source>
        <translation>el módulo serio_raw no está cargado: ejecutar &quot;sudo modprobe serio_raw&quot;</translation>
    </message>
    <message>
        <source>not running as root, and the helper %s or pkexec is missing: install the vexa package or run as root (see the README, &quot;PS/2 on Linux&quot;)</source>
        <translation>no se ejecuta como root y falta el ayudante %s o pkexec: instalar el paquete vexa o ejecutar como root (véase el README, &quot;PS/2 on Linux&quot;)</translation>
    </message>
    <message>
        <source>the device %s can&apos;t be opened (%s): install the udev rule 70-vexa-keyboard.rules (see the README, &quot;PS/2 on Linux&quot;)</source>
        <translation>el dispositivo %s no se puede abrir (%s): instalar la regla udev 70-vexa-keyboard.rules (véase el README, &quot;PS/2 on Linux&quot;)</translation>
    </message>
    <message>
        <source>the device %s can&apos;t be opened (%s)</source>
        <translation>el dispositivo %s no se puede abrir (%s)</translation>
    </message>
    <message>
        <source>the kernel is locked down (Secure Boot): direct port access is not allowed; PS/2 uses the serio_raw driver instead, which needs the kernel&apos;s i8042 keyboard port</source>
        <translation>el núcleo está bloqueado (Secure Boot): no se permite el acceso directo a los puertos; PS/2 usa en su lugar el controlador serio_raw, que necesita el puerto de teclado i8042 del núcleo</translation>
    </message>
    <message>
        <source>the kernel refused direct access to the keyboard controller&apos;s ports (this needs root on an x86 PC)</source>
        <translation>el núcleo rechazó el acceso directo a los puertos del chip controlador del teclado (requiere root en un PC x86)</translation>
    </message>
    <message>
        <source>direct access to the keyboard controller&apos;s ports is switched off (CI or VEXA_NO_REAL_PORTS is set)</source>
        <translation>el acceso directo a los puertos del chip controlador del teclado está desactivado (CI o VEXA_NO_REAL_PORTS está definida)</translation>
    </message>
    <message>
        <source>another VEXA run is using the PS/2 keyboard port: try again when it has finished</source>
        <translation>otra ejecución de VEXA está usando el puerto de teclado PS/2: volver a intentarlo cuando haya terminado</translation>
    </message>
    <message>
        <source>the keyboard port %s was not handed to serio_raw: %s</source>
        <translation>el puerto de teclado %s no se entregó a serio_raw: %s</translation>
    </message>
    <message>
        <source>serio_raw took the keyboard port %s, but gave no device</source>
        <translation>serio_raw tomó el puerto de teclado %s, pero no creó ningún dispositivo</translation>
    </message>
    <message>
        <source>the keyboard port %s could not be given back to the keyboard (%s); it stays silent until you run: echo -n atkbd | sudo tee /sys/bus/serio/devices/%s/drvctl</source>
        <translation>el puerto de teclado %s no se pudo devolver al teclado (%s); queda mudo hasta ejecutar: echo -n atkbd | sudo tee /sys/bus/serio/devices/%s/drvctl</translation>
    </message>
    <message>
        <source>the state file %s can&apos;t be written (%s)</source>
        <translation>el archivo de estado %s no se puede escribir (%s)</translation>
    </message>
    <message>
        <source>an administrator&apos;s authorisation was not given</source>
        <translation>no se dio la autorización de un administrador</translation>
    </message>
    <message>
        <source>the helper vexa-serio-helper ended with status %d</source>
        <translation>el ayudante vexa-serio-helper terminó con el estado %d</translation>
    </message>
    <message>
        <source>more than one serio port is called &quot;i8042 KBD port&quot;: nothing was changed</source>
        <translation>más de un puerto serio se llama &quot;i8042 KBD port&quot;: no se cambió nada</translation>
    </message>
    <message>
        <source>the keyboard port %s is bound to &quot;%s&quot; instead of %s</source>
        <translation>el puerto de teclado %s está vinculado a &quot;%s&quot; en lugar de a %s</translation>
    </message>
    <message>
        <source>the keyboard port&apos;s lock can&apos;t be opened (%s)</source>
        <translation>no se puede abrir el bloqueo del puerto de teclado (%s)</translation>
    </message>
    <message>
        <source>the program is ending</source>
        <translation>el programa está terminando</translation>
    </message>
    <message>
        <source>vexa-cli: the output could not be written</source>
        <translation>vexa-cli: no se pudo escribir la salida</translation>
    </message>
    <message>
        <source>There is no PX series keyboard connected!</source>
        <translation>¡No hay ningún teclado de la serie PX conectado!</translation>
    </message>
    <message>
        <source>There is no PX series keyboard connected!
A PX series keyboard was found, but this user may not open it: install the udev rule 70-vexa-keyboard.rules (see the README, &quot;USB permissions&quot;).</source>
        <translation>¡No hay ningún teclado de la serie PX conectado!
Se encontró un teclado de la serie PX, pero este usuario no puede abrirlo: instalar la regla udev 70-vexa-keyboard.rules (véase el README, &quot;USB permissions&quot;).</translation>
    </message>
    <message>
        <source>No Programmable Keyboard detected!
Please check the keyboard connection!

Try to write Keyboard again please!</source>
        <translation>¡No se detectó ningún teclado programable!
¡Comprobar la conexión del teclado!

¡Volver a intentar escribir en el teclado!</translation>
    </message>
    <message>
        <source>Can&apos;t access programmable keyboard!
Please check the driver setup!

Try to write Keyboard again please!</source>
        <translation>¡No se puede acceder al teclado programable!
¡Comprobar la configuración del controlador!

¡Volver a intentar escribir en el teclado!</translation>
    </message>
    <message>
        <source>No Programmable Keyboard detected!
Please check the keyboard connection!

Try to read again please!</source>
        <translation>¡No se detectó ningún teclado programable!
¡Comprobar la conexión del teclado!

¡Volver a intentar la lectura!</translation>
    </message>
    <message>
        <source>Can&apos;t access programmable keyboard!
Please to check the driver setup!

Try to read again please!</source>
        <translation>¡No se puede acceder al teclado programable!
¡Comprobar la configuración del controlador!

¡Volver a intentar la lectura!</translation>
    </message>
    <message>
        <source>Data Written Error, Count=%d</source>
        <translation>Error al escribir los datos, recuento=%d</translation>
    </message>
    <message>
        <source>The keyboard now holds a partly written template and must be written again before use!</source>
        <translation>¡El teclado contiene ahora una plantilla escrita a medias y hay que volver a escribirlo antes de usarlo!</translation>
    </message>
    <message>
        <source>Data Read Error, Count=%d</source>
        <translation>Error al leer los datos, recuento=%d</translation>
    </message>
    <message>
        <source>Writing data into keyboard</source>
        <translation>Escribiendo datos en el teclado</translation>
    </message>
    <message>
        <source>Reading data from keyboard</source>
        <translation>Leyendo datos del teclado</translation>
    </message>
    <message>
        <source>Please don&apos;t use mouse and/or keyboard!</source>
        <translation>¡No usar el ratón ni el teclado!</translation>
    </message>
    <message>
        <source>Select Communication Port</source>
        <translation>Seleccionar puerto de comunicación</translation>
    </message>
    <message>
        <source>Don&apos;t ask at start</source>
        <translation>No preguntar al inicio</translation>
    </message>
    <message>
        <source>The device &lt;%s&gt; is not a PX series keyboard connected to this computer!</source>
        <translation>¡El dispositivo &lt;%s&gt; no es un teclado de la serie PX conectado a este equipo!</translation>
    </message>
    <message>
        <source>The PX series keyboard at &lt;%s&gt; does not answer!</source>
        <translation>¡El teclado de la serie PX en &lt;%s&gt; no responde!</translation>
    </message>
    <message>
        <source>ready</source>
        <translation>listo</translation>
    </message>
    <message>
        <source>no permission</source>
        <translation>sin permiso</translation>
    </message>
    <message>
        <source>not answering</source>
        <translation>no responde</translation>
    </message>
    <message>
        <source>written</source>
        <translation>escrito</translation>
    </message>
    <message>
        <source>verified</source>
        <translation>verificado</translation>
    </message>
    <message>
        <source>unchanged</source>
        <translation>sin cambios</translation>
    </message>
    <message>
        <source>failed</source>
        <translation>fallido</translation>
    </message>
    <message>
        <source>Select Connected Keyboard</source>
        <translation>Seleccionar teclado conectado</translation>
    </message>
    <message>
        <source>Several keyboards are connected. Read the template from:</source>
        <translation>Hay varios teclados conectados. Leer la plantilla de:</translation>
    </message>
    <message>
        <source>Several keyboards are connected. Write the template into:</source>
        <translation>Hay varios teclados conectados. Escribir la plantilla en:</translation>
    </message>
    <message>
        <source>All connected keyboards</source>
        <translation>Todos los teclados conectados</translation>
    </message>
    <message>
        <source>no serial number</source>
        <translation>sin número de serie</translation>
    </message>
    <message>
        <source>The template was written into all %d keyboards.</source>
        <translation>La plantilla se escribió en los %d teclados.</translation>
    </message>
    <message>
        <source>The template was written into %d of %d keyboards:</source>
        <translation>La plantilla se escribió en %d de %d teclados:</translation>
    </message>
    <message>
        <source>The backup directory: &lt;%s&gt; can&apos;t be created !!</source>
        <translation>¡El directorio de copias de seguridad: &lt;%s&gt; no se puede crear !!</translation>
    </message>
    <message>
        <source>The backup directory: &lt;%s&gt; is not yours alone: it must belong to you and no one else may write to it !!</source>
        <translation>¡El directorio de copias de seguridad: &lt;%s&gt; no es solo del usuario: debe pertenecerle solo a él y nadie más debe poder escribir en él !!</translation>
    </message>
    <message>
        <source>The keyboard&apos;s template could not be read for its backup: nothing was written.</source>
        <translation>La plantilla del teclado no se pudo leer para su copia de seguridad: no se escribió nada.</translation>
    </message>
    <message>
        <source>The template was written, but reading it back failed.</source>
        <translation>La plantilla se escribió, pero falló su relectura.</translation>
    </message>
    <message>
        <source>A PX series keyboard was found, but this user may not open it: install the udev rule 70-vexa-keyboard.rules (see the README, &quot;USB permissions&quot;).</source>
        <translation>Se encontró un teclado de la serie PX, pero este usuario no puede abrirlo: instalar la regla udev 70-vexa-keyboard.rules (véase el README, &quot;USB permissions&quot;).</translation>
    </message>
    <message>
        <source>The template was written into the keyboard.</source>
        <translation>La plantilla se escribió en el teclado.</translation>
    </message>
    <message>
        <source>The template was written into the keyboard %s.</source>
        <translation>La plantilla se escribió en el teclado %s.</translation>
    </message>
    <message>
        <source>The template was read from the keyboard.</source>
        <translation>La plantilla se leyó del teclado.</translation>
    </message>
    <message>
        <source>The window closes when the transfer with the keyboard has ended.</source>
        <translation>La ventana se cerrará cuando termine la transferencia con el teclado.</translation>
    </message>
    <message>
        <source>The simulated keyboard file: &lt;%s&gt; can&apos;t be opened !!</source>
        <translation>¡El archivo de teclado simulado: &lt;%s&gt; no se puede abrir !!</translation>
    </message>
    <message>
        <source>The simulated keyboard file: &lt;%s&gt; is not a keyboard memory (%d bytes; it must have 2048)!!</source>
        <translation>¡El archivo de teclado simulado: &lt;%s&gt; no es una memoria de teclado (%d bytes; debe tener 2048)!!</translation>
    </message>
    <message>
        <source>The simulated keyboard file: &lt;%s&gt; can&apos;t be written !!</source>
        <translation>¡El archivo de teclado simulado: &lt;%s&gt; no se puede escribir !!</translation>
    </message>
    <message>
        <source>The simulated keyboard directory: &lt;%s&gt; holds no .bin file !!</source>
        <translation>¡El directorio de teclados simulados: &lt;%s&gt; no contiene ningún archivo .bin !!</translation>
    </message>
    <message>
        <source>The template file: &lt;%s&gt; is too long (%d bytes; a template has 2048)!!</source>
        <translation>¡El archivo de plantilla: &lt;%s&gt; es demasiado largo (%d bytes; una plantilla tiene 2048)!!</translation>
    </message>
    <message>
        <source>The template file: &lt;%s&gt; holds key data that can&apos;t be decoded (key slot %d)!!</source>
        <translation>¡El archivo de plantilla: &lt;%s&gt; contiene datos de tecla que no se pueden decodificar (ranura de tecla %d)!!</translation>
    </message>
    <message>
        <source>The keyboard holds other data than was written: block(s) %s differ!!</source>
        <translation>¡El teclado contiene datos distintos de los escritos: los bloques %s difieren!!</translation>
    </message>
    <message>
        <source>The template the keyboard held before is in %s: &apos;vexa-cli keyboard write %s&apos; puts it back.</source>
        <translation>La plantilla que tenía antes el teclado está en %s: &apos;vexa-cli keyboard write %s&apos; la restaura.</translation>
    </message>
    <message>
        <source>Write it again, or another template; --backup FILE saves the keyboard&apos;s template before a write.</source>
        <translation>Volver a escribirla, u otra plantilla; --backup FILE guarda la plantilla del teclado antes de escribir.</translation>
    </message>
    <message>
        <source>%d PX series keyboards are connected; this uses %s. --device PATH picks another (&apos;vexa-cli keyboard list&apos; shows them), &apos;write --all&apos; writes them all.</source>
        <translation>Hay %d teclados de la serie PX conectados; se usa %s. --device PATH elige otro (&apos;vexa-cli keyboard list&apos; los muestra), &apos;write --all&apos; los escribe todos.</translation>
    </message>
    <message>
        <source>&apos;vexa-cli keyboard list&apos; shows the keyboards connected.</source>
        <translation>&apos;vexa-cli keyboard list&apos; muestra los teclados conectados.</translation>
    </message>
    <message>
        <source>The simulated keyboard saw a protocol violation: %s</source>
        <translation>El teclado simulado detectó una infracción del protocolo: %s</translation>
    </message>
    <message>
        <source>Waiting for keyboards: plug one in to write it; Ctrl+C stops (the writes under way are finished).</source>
        <translation>Esperando teclados: conectar uno para escribirlo; Ctrl+C detiene (las escrituras en curso se terminan).</translation>
    </message>
    <message>
        <source>Stopping: the writes under way are finished first.</source>
        <translation>Deteniendo: primero se terminan las escrituras en curso.</translation>
    </message>
    <message>
        <source>%d written, %d verified, %d unchanged, %d failed.</source>
        <translation>%d escritos, %d verificados, %d sin cambios, %d fallidos.</translation>
    </message>
    <message>
        <source>The log file: &lt;%s&gt; can&apos;t be written !!</source>
        <translation>¡El archivo de registro: &lt;%s&gt; no se puede escribir !!</translation>
    </message>
    <message>
        <source>Plugged keyboards can&apos;t be watched: the system&apos;s device events are not available (%s)!!</source>
        <translation>¡No se pueden vigilar los teclados conectados: los eventos de dispositivos del sistema no están disponibles (%s)!!</translation>
    </message>
    <message>
        <source>Not a keyboard plugged in: %s</source>
        <translation>No es un teclado conectado: %s</translation>
    </message>
    <message>
        <source>unchanged: the keyboard already holds this template; nothing was written</source>
        <translation>unchanged: el teclado ya contiene esta plantilla; no se escribió nada</translation>
    </message>
    <message>
        <source>verified: the keyboard holds the 2048 bytes written</source>
        <translation>verified: el teclado contiene los 2048 bytes escritos</translation>
    </message>
    <message>
        <source>Program Keyboards as Plugged In</source>
        <translation>Programar teclados al conectarlos</translation>
    </message>
    <message>
        <source>Program Keyboards as Plugged &amp;In...</source>
        <translation>Programar teclados al &amp;conectarlos...</translation>
    </message>
    <message>
        <source>The current template</source>
        <translation>La plantilla actual</translation>
    </message>
    <message>
        <source>A template file:</source>
        <translation>Un archivo de plantilla:</translation>
    </message>
    <message>
        <source>Verify after writing</source>
        <translation>Verificar tras escribir</translation>
    </message>
    <message>
        <source>Back up each keyboard&apos;s template into:</source>
        <translation>Copia de seguridad de cada teclado en:</translation>
    </message>
    <message>
        <source>Log into:</source>
        <translation>Registro en:</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Iniciar</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Detener</translation>
    </message>
    <message>
        <source>writing</source>
        <translation>escribiendo</translation>
    </message>
    <message>
        <source>done</source>
        <translation>hecho</translation>
    </message>
    <message>
        <source>Write a template into every keyboard as it is plugged in</source>
        <translation>Escribir una plantilla en cada teclado al conectarlo</translation>
    </message>
    <message>
        <source>Keyboards are programmed as they are plugged in over USB only: choose the USB port at start.</source>
        <translation>Los teclados solo se programan al conectarlos por USB: hay que elegir el puerto USB al inicio.</translation>
    </message>
    <message>
        <source>Serial</source>
        <translation>Serie</translation>
    </message>
    <message>
        <source>State</source>
        <translation>Estado</translation>
    </message>
    <message>
        <source>Progress</source>
        <translation>Progreso</translation>
    </message>
    <message>
        <source>Result</source>
        <translation>Resultado</translation>
    </message>
    <message>
        <source>Card data prefix string error!</source>
        <translation>¡Error en la cadena de prefijo de datos de tarjeta!</translation>
    </message>
    <message>
        <source>Card data suffix string error!</source>
        <translation>¡Error en la cadena de sufijo de datos de tarjeta!</translation>
    </message>
    <message>
        <source>Track1 prefix string error!</source>
        <translation>¡Error en la cadena de prefijo de la pista 1!</translation>
    </message>
    <message>
        <source>Track1 suffix string error!</source>
        <translation>¡Error en la cadena de sufijo de la pista 1!</translation>
    </message>
    <message>
        <source>Track1 field terminator error!</source>
        <translation>¡Error en el terminador de campo de la pista 1!</translation>
    </message>
    <message>
        <source>Track2 prefix string error!</source>
        <translation>¡Error en la cadena de prefijo de la pista 2!</translation>
    </message>
    <message>
        <source>Track2 suffix string error!</source>
        <translation>¡Error en la cadena de sufijo de la pista 2!</translation>
    </message>
    <message>
        <source>Track2 field terminator error!</source>
        <translation>¡Error en el terminador de campo de la pista 2!</translation>
    </message>
    <message>
        <source>Track3 prefix string error!</source>
        <translation>¡Error en la cadena de prefijo de la pista 3!</translation>
    </message>
    <message>
        <source>Track3 suffix string error!</source>
        <translation>¡Error en la cadena de sufijo de la pista 3!</translation>
    </message>
    <message>
        <source>Track3 field terminator error!</source>
        <translation>¡Error en el terminador de campo de la pista 3!</translation>
    </message>
    <message>
        <source>Config KB properties</source>
        <translation>Configurar propiedades del teclado</translation>
    </message>
    <message>
        <source>Send break-code for scan code mode key</source>
        <translation>Enviar código de ruptura en modo código de escaneo</translation>
    </message>
    <message>
        <source>Enable beeping when a key typed</source>
        <translation>Pitido al pulsar una tecla</translation>
    </message>
    <message>
        <source>No beeping if a key is not defined</source>
        <translation>Sin pitido si la tecla no está definida</translation>
    </message>
    <message>
        <source>Translate scan code set#2 for PC/AT</source>
        <translation>Traducir códigos de escaneo set#2 para PC/AT</translation>
    </message>
    <message>
        <source>Use &lt;Alt&gt;+number key to make ASCII code</source>
        <translation>Usar &lt;Alt&gt;+número para formar código ASCII</translation>
    </message>
    <message>
        <source>Enable typematic for scan code</source>
        <translation>Autorrepetición en código de escaneo</translation>
    </message>
    <message>
        <source>Enable typematic for ASCII code</source>
        <translation>Autorrepetición en código ASCII</translation>
    </message>
    <message>
        <source>Use port</source>
        <translation>Usar puerto</translation>
    </message>
    <message>
        <source>7 Bits</source>
        <translation>7 bits</translation>
    </message>
    <message>
        <source>8 Bits</source>
        <translation>8 bits</translation>
    </message>
    <message>
        <source>Config</source>
        <translation>Configuración</translation>
    </message>
    <message>
        <source>Keyboard features</source>
        <translation>Funciones del teclado</translation>
    </message>
    <message>
        <source>RS232 port</source>
        <translation>Puerto RS232</translation>
    </message>
    <message>
        <source>Inter-character delay(mS)</source>
        <translation>Retardo entre caracteres (ms)</translation>
    </message>
    <message>
        <source>Baud rate:</source>
        <translation>Baudios:</translation>
    </message>
    <message>
        <source>Parity check:</source>
        <translation>Paridad:</translation>
    </message>
    <message>
        <source>Bit number:</source>
        <translation>Bits de datos:</translation>
    </message>
    <message>
        <source>Config MR properties</source>
        <translation>Configurar el lector de tarjetas (MR)</translation>
    </message>
    <message>
        <source>Card Data Prefix:</source>
        <translation>Prefijo de tarjeta:</translation>
    </message>
    <message>
        <source>Card Data Suffix:</source>
        <translation>Sufijo de tarjeta:</translation>
    </message>
    <message>
        <source>Enable beep at good read</source>
        <translation>Pitido en lectura correcta</translation>
    </message>
    <message>
        <source>Enable 3 beepsat card read error</source>
        <translation>3 pitidos en error de lectura</translation>
    </message>
    <message>
        <source>Skip output of track with error</source>
        <translation>Omitir la pista con error</translation>
    </message>
    <message>
        <source>No data output with any error</source>
        <translation>Sin datos ante cualquier error</translation>
    </message>
    <message>
        <source>Track1 Properties</source>
        <translation>Propiedades de pista 1</translation>
    </message>
    <message>
        <source>Track2 Properties</source>
        <translation>Propiedades de pista 2</translation>
    </message>
    <message>
        <source>Track3 Properties</source>
        <translation>Propiedades de pista 3</translation>
    </message>
    <message>
        <source>Enable data</source>
        <translation>Activar datos</translation>
    </message>
    <message>
        <source>Enable start sentinel</source>
        <translation>Activar centinela inicial</translation>
    </message>
    <message>
        <source>Enable end sentinel</source>
        <translation>Activar centinela final</translation>
    </message>
    <message>
        <source>Enable LRC output</source>
        <translation>Activar salida LRC</translation>
    </message>
    <message>
        <source>Enable separator</source>
        <translation>Activar separador</translation>
    </message>
    <message>
        <source>Enable seperator</source>
        <translation>Activar separador</translation>
    </message>
    <message>
        <source>Prefix:</source>
        <translation>Prefijo:</translation>
    </message>
    <message>
        <source>Suffix:</source>
        <translation>Sufijo:</translation>
    </message>
    <message>
        <source>Field Terminator:</source>
        <translation>Terminador de campo:</translation>
    </message>
    <message>
        <source>Key Code Test Output:</source>
        <translation>Prueba de códigos de tecla:</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Salir</translation>
    </message>
    <message>
        <source>Esc three times: Quit</source>
        <translation>Esc tres veces: Salir</translation>
    </message>
    <message>
        <source>&amp;New	Ctrl+N</source>
        <translation>&amp;Nuevo	Ctrl+N</translation>
    </message>
    <message>
        <source>Create a new Template</source>
        <translation>Crear una plantilla nueva</translation>
    </message>
    <message>
        <source>New Template</source>
        <translation>Plantilla nueva</translation>
    </message>
    <message>
        <source>&amp;Load...	Ctrl+L</source>
        <translation>&amp;Cargar...	Ctrl+L</translation>
    </message>
    <message>
        <source>Load from template file</source>
        <translation>Cargar de un archivo de plantilla</translation>
    </message>
    <message>
        <source>Load Template</source>
        <translation>Cargar plantilla</translation>
    </message>
    <message>
        <source>&amp;Save	Ctrl+S</source>
        <translation>&amp;Guardar	Ctrl+S</translation>
    </message>
    <message>
        <source>Save to template file</source>
        <translation>Guardar en un archivo de plantilla</translation>
    </message>
    <message>
        <source>Save Template</source>
        <translation>Guardar plantilla</translation>
    </message>
    <message>
        <source>Save &amp;As...</source>
        <translation>Guardar c&amp;omo...</translation>
    </message>
    <message>
        <source>Save the active Template with a new name</source>
        <translation>Guardar la plantilla activa con otro nombre</translation>
    </message>
    <message>
        <source>Save As</source>
        <translation>Guardar como</translation>
    </message>
    <message>
        <source>Load &amp;Default	Ctrl+D</source>
        <translation>Cargar pre&amp;determinada	Ctrl+D</translation>
    </message>
    <message>
        <source>Load default template</source>
        <translation>Cargar la plantilla predeterminada</translation>
    </message>
    <message>
        <source>Default</source>
        <translation>Predeterminada</translation>
    </message>
    <message>
        <source>&amp;Import Text Data	Ctrl+I</source>
        <translation>&amp;Importar datos de texto	Ctrl+I</translation>
    </message>
    <message>
        <source>Import template data from a text file</source>
        <translation>Importar datos de plantilla de un archivo de texto</translation>
    </message>
    <message>
        <source>Import text data</source>
        <translation>Importar datos de texto</translation>
    </message>
    <message>
        <source>&amp;Export Text Data	Ctrl+E</source>
        <translation>&amp;Exportar datos de texto	Ctrl+E</translation>
    </message>
    <message>
        <source>Export template data from a text file</source>
        <translation>Exportar datos de plantilla a un archivo de texto</translation>
    </message>
    <message>
        <source>Export text data</source>
        <translation>Exportar datos de texto</translation>
    </message>
    <message>
        <source>&amp;Print...</source>
        <translation>Im&amp;primir...</translation>
    </message>
    <message>
        <source>Print the keys with their labels and contents</source>
        <translation>Imprimir las teclas con sus etiquetas y contenidos</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Imprimir</translation>
    </message>
    <message>
        <source>Export Pic&amp;ture...</source>
        <translation>Exportar i&amp;magen...</translation>
    </message>
    <message>
        <source>Save the keys with their labels and contents as an SVG, PNG or PDF picture</source>
        <translation>Guardar las teclas con sus etiquetas y contenidos como imagen SVG, PNG o PDF</translation>
    </message>
    <message>
        <source>Export picture</source>
        <translation>Exportar imagen</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Salir</translation>
    </message>
    <message>
        <source>Quit the application; prompts to save documents</source>
        <translation>Salir de la aplicación; pregunta si guardar los documentos</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Salir</translation>
    </message>
    <message>
        <source>Select PX2100 keyboard</source>
        <translation>Seleccionar el teclado PX2100</translation>
    </message>
    <message>
        <source>Select PX2200 keyboard</source>
        <translation>Seleccionar el teclado PX2200</translation>
    </message>
    <message>
        <source>Select PX2400 keyboard</source>
        <translation>Seleccionar el teclado PX2400</translation>
    </message>
    <message>
        <source>Select DV3300 keyboard</source>
        <translation>Seleccionar el teclado DV3300</translation>
    </message>
    <message>
        <source>Select DV3500 keyboard</source>
        <translation>Seleccionar el teclado DV3500</translation>
    </message>
    <message>
        <source>Select DV3100 Keyboard</source>
        <translation>Seleccionar el teclado DV3100</translation>
    </message>
    <message>
        <source>&amp;Undo	Ctrl+Z</source>
        <translation>&amp;Deshacer	Ctrl+Z</translation>
    </message>
    <message>
        <source>Undo the last change of the template</source>
        <translation>Deshacer el último cambio de la plantilla</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Deshacer</translation>
    </message>
    <message>
        <source>&amp;Redo	Ctrl+Y</source>
        <translation>&amp;Rehacer	Ctrl+Y</translation>
    </message>
    <message>
        <source>Redo the change undone last</source>
        <translation>Rehacer el último cambio deshecho</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Rehacer</translation>
    </message>
    <message>
        <source>&amp;Clear Current Key</source>
        <translation>&amp;Borrar la tecla actual</translation>
    </message>
    <message>
        <source>Clear current key content</source>
        <translation>Borrar el contenido de la tecla actual</translation>
    </message>
    <message>
        <source>Clear Key</source>
        <translation>Borrar tecla</translation>
    </message>
    <message>
        <source>Set &amp;ASCII Mode</source>
        <translation>Establecer modo &amp;ASCII</translation>
    </message>
    <message>
        <source>Set key to ASCII code mode</source>
        <translation>Poner la tecla en modo ASCII</translation>
    </message>
    <message>
        <source>ASCII code mode</source>
        <translation>Modo ASCII</translation>
    </message>
    <message>
        <source>Set &amp;ScanCode Mode</source>
        <translation>Establecer modo código de e&amp;scaneo</translation>
    </message>
    <message>
        <source>Set key to scan code mode</source>
        <translation>Poner la tecla en modo código de escaneo</translation>
    </message>
    <message>
        <source>Scan code mode</source>
        <translation>Modo código de escaneo</translation>
    </message>
    <message>
        <source>Insert Ca&amp;ps Code</source>
        <translation>Insertar código &amp;Caps</translation>
    </message>
    <message>
        <source>Insert a Caps function code</source>
        <translation>Insertar un código de función Caps</translation>
    </message>
    <message>
        <source>Insert caps code</source>
        <translation>Insertar código Caps</translation>
    </message>
    <message>
        <source>Insert &amp;Delay Time</source>
        <translation>Insertar &amp;tiempo de retardo</translation>
    </message>
    <message>
        <source>Insert inter-string delay time function code</source>
        <translation>Insertar el código de función de retardo entre cadenas</translation>
    </message>
    <message>
        <source>Insert Delay time</source>
        <translation>Insertar tiempo de retardo</translation>
    </message>
    <message>
        <source>Enter &amp;Level Separator</source>
        <translation>Introducir separador de &amp;nivel</translation>
    </message>
    <message>
        <source>Enter level-separator function code</source>
        <translation>Introducir el código de función separador de nivel</translation>
    </message>
    <message>
        <source>Enter Level separator</source>
        <translation>Introducir separador de nivel</translation>
    </message>
    <message>
        <source>Enter S&amp;hift Level code</source>
        <translation>Introducir código de nivel de &amp;mayúsculas</translation>
    </message>
    <message>
        <source>Enter multi-level function code</source>
        <translation>Introducir el código de función multinivel</translation>
    </message>
    <message>
        <source>Multi-level code</source>
        <translation>Código multinivel</translation>
    </message>
    <message>
        <source>&amp;Enter ASCII Code</source>
        <translation>&amp;Introducir código ASCII</translation>
    </message>
    <message>
        <source>Enter ASCII code as decimal</source>
        <translation>Introducir un código ASCII en decimal</translation>
    </message>
    <message>
        <source>Enter ASCII code</source>
        <translation>Introducir código ASCII</translation>
    </message>
    <message>
        <source>S&amp;witch ASCII Display mode</source>
        <translation>Cambiar el modo de &amp;visualización ASCII</translation>
    </message>
    <message>
        <source>Switch ASCII display mode</source>
        <translation>Cambiar el modo de visualización ASCII</translation>
    </message>
    <message>
        <source>Display mode</source>
        <translation>Modo de visualización</translation>
    </message>
    <message>
        <source>Select Scan C&amp;ode</source>
        <translation>Seleccionar código de &amp;escaneo</translation>
    </message>
    <message>
        <source>Enter scan code from list</source>
        <translation>Introducir un código de escaneo de la lista</translation>
    </message>
    <message>
        <source>Enter Scan code</source>
        <translation>Introducir código de escaneo</translation>
    </message>
    <message>
        <source>&amp;Read From KB</source>
        <translation>&amp;Leer del teclado</translation>
    </message>
    <message>
        <source>Read data from keyboard</source>
        <translation>Leer los datos del teclado</translation>
    </message>
    <message>
        <source>Read data</source>
        <translation>Leer datos</translation>
    </message>
    <message>
        <source>&amp;Write Into KB</source>
        <translation>&amp;Escribir en el teclado</translation>
    </message>
    <message>
        <source>Write data into keyboard</source>
        <translation>Escribir los datos en el teclado</translation>
    </message>
    <message>
        <source>Write data</source>
        <translation>Escribir datos</translation>
    </message>
    <message>
        <source>Config &amp;KB Properties</source>
        <translation>Configurar propiedades del &amp;teclado</translation>
    </message>
    <message>
        <source>Config &amp;MR properties</source>
        <translation>Configurar lector de tarjetas (&amp;MR)</translation>
    </message>
    <message>
        <source>Config MR</source>
        <translation>Configurar MR</translation>
    </message>
    <message>
        <source>Config RS232 protocol</source>
        <translation>Configurar el protocolo RS232</translation>
    </message>
    <message>
        <source>Config RS232</source>
        <translation>Configurar RS232</translation>
    </message>
    <message>
        <source>Communication &amp;Port...</source>
        <translation>&amp;Puerto de comunicación...</translation>
    </message>
    <message>
        <source>Choose the port to the keyboard: PS/2 or USB</source>
        <translation>Elegir el puerto hacia el teclado: PS/2 o USB</translation>
    </message>
    <message>
        <source>Communication port</source>
        <translation>Puerto de comunicación</translation>
    </message>
    <message>
        <source>Keyboard Output</source>
        <translation>Salida del teclado</translation>
    </message>
    <message>
        <source>&amp;Toolbar</source>
        <translation>&amp;Barra de herramientas</translation>
    </message>
    <message>
        <source>Show or hide the toolbar</source>
        <translation>Mostrar u ocultar la barra de herramientas</translation>
    </message>
    <message>
        <source>Toggle ToolBar</source>
        <translation>Barra de herramientas</translation>
    </message>
    <message>
        <source>&amp;Status Bar</source>
        <translation>Barra de &amp;estado</translation>
    </message>
    <message>
        <source>Show or hide the status bar</source>
        <translation>Mostrar u ocultar la barra de estado</translation>
    </message>
    <message>
        <source>Toggle StatusBar</source>
        <translation>Barra de estado</translation>
    </message>
    <message>
        <source>&amp;About VEXA...</source>
        <translation>&amp;Acerca de VEXA...</translation>
    </message>
    <message>
        <source>Display program information, version number and copyright</source>
        <translation>Mostrar información del programa, número de versión y copyright</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Acerca de</translation>
    </message>
    <message>
        <source>Key Word &amp;List</source>
        <translation>&amp;Lista de palabras clave</translation>
    </message>
    <message>
        <source>Special Function Key Word Table</source>
        <translation>Tabla de palabras clave de funciones especiales</translation>
    </message>
    <message>
        <source>Key Word</source>
        <translation>Palabra clave</translation>
    </message>
    <message>
        <source>&amp;Template</source>
        <translation>&amp;Plantilla</translation>
    </message>
    <message>
        <source>Key&amp;board</source>
        <translation>&amp;Teclado</translation>
    </message>
    <message>
        <source>&amp;Key Edit</source>
        <translation>&amp;Edición de teclas</translation>
    </message>
    <message>
        <source>&amp;Configuration</source>
        <translation>&amp;Configuración</translation>
    </message>
    <message>
        <source>T&amp;esting</source>
        <translation>P&amp;ruebas</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Ver</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>Ay&amp;uda</translation>
    </message>
    <message>
        <source>unknown option &apos;%s&apos;</source>
        <translation>opción desconocida &apos;%s&apos;</translation>
    </message>
    <message>
        <source>unknown option &apos;%s&apos; (put -- before an argument that begins with a dash)</source>
        <translation>opción desconocida &apos;%s&apos; (poner -- delante de un argumento que empiece por guion)</translation>
    </message>
    <message>
        <source> or </source>
        <translation> o </translation>
    </message>
    <message>
        <source>option --%s belongs to %s</source>
        <translation>la opción --%s pertenece a %s</translation>
    </message>
    <message>
        <source>Try &apos;vexa-cli --help&apos;.</source>
        <translation>Pruebe &apos;vexa-cli --help&apos;.</translation>
    </message>
    <message>
        <source>option %s is given more than once</source>
        <translation>la opción %s se da más de una vez</translation>
    </message>
    <message>
        <source>Usage: vexa-cli content check TEXT...
       vexa-cli content encode TEXT
       vexa-cli content length TEXT
       vexa-cli content decode HEX...
       vexa-cli content decimal TEXT
       vexa-cli content words

Works on key contents: the text of one key, made of plain characters, the
escapes [[ and ]] for a literal bracket, and bracketed key words such as [CR],
[Delay5], [F1] or [PageUp]. Texts and output are raw 8-bit bytes.

  check    one line per TEXT: &apos;ascii&apos; (a valid ASCII mode content, the empty
           text too), &apos;scancode&apos; (valid in scan code mode only) or &apos;invalid&apos;
  encode   the bytes the key stores (without its 00 terminator), as uppercase
           hex pairs separated by a space; an empty line when there are none
  length   the number of bytes the key takes in the keyboard memory (without
           its terminator), as the editor counts the space left
  decode   the content text of one stored key string, given as hex pairs
           (spaces optional; no 00, which ends a key string)
  decimal  the decimal display of an ASCII mode content: every character as
           its byte value in brackets, function words unchanged
  words    the key word list: every named scan code word with its meaning

Put -- before a TEXT that begins with a dash.

Examples:
  vexa-cli content check &apos;Coffee[CR]&apos; &apos;[F1][Shift][A]&apos; &apos;[F1]a&apos;
  vexa-cli content encode &apos;[PrintScreen][Delay5]&apos;     # FF E0 2A E0 37 FD 05
  vexa-cli content length &apos;[ShiftLevel3]&apos;             # 4
  vexa-cli content decode &apos;FF 3B FE 3C&apos;               # [F1][Separator][F2]
  vexa-cli content decode 410D                        # A[CR]
  vexa-cli content decimal &apos;Ab[CR]&apos;                   # [65][98][CR]
  vexa-cli content encode -- &apos;-5&apos;
</source>
        <translation>Uso:   vexa-cli content check TEXT...
       vexa-cli content encode TEXT
       vexa-cli content length TEXT
       vexa-cli content decode HEX...
       vexa-cli content decimal TEXT
       vexa-cli content words

Trabaja con contenidos de teclas: el texto de una tecla, hecho de caracteres
normales, los escapes [[ y ]] para un corchete literal y palabras clave entre
corchetes como [CR], [Delay5], [F1] o [PageUp]. Textos y salida son bytes de
8 bits sin convertir.

  check    una línea por TEXT: &apos;ascii&apos; (un contenido válido en modo ASCII,
           también el texto vacío), &apos;scancode&apos; (válido solo en modo código de
           escaneo) o &apos;invalid&apos;
  encode   los bytes que guarda la tecla (sin su terminador 00), como pares
           hexadecimales en mayúsculas separados por un espacio; una línea
           vacía cuando no hay ninguno
  length   el número de bytes que ocupa la tecla en la memoria del teclado (sin
           su terminador), tal como el editor cuenta el espacio libre
  decode   el texto del contenido de una cadena de tecla guardada, dada como
           pares hexadecimales (espacios opcionales; sin 00, que termina una
           cadena de tecla)
  decimal  la representación decimal de un contenido en modo ASCII: cada
           carácter como su valor de byte entre corchetes, las palabras de
           función sin cambios
  words    la lista de palabras clave: cada palabra de código de escaneo con
           nombre y su significado

Ponga -- delante de un TEXT que empiece por un guion.

Ejemplos:
  vexa-cli content check &apos;Coffee[CR]&apos; &apos;[F1][Shift][A]&apos; &apos;[F1]a&apos;
  vexa-cli content encode &apos;[PrintScreen][Delay5]&apos;     # FF E0 2A E0 37 FD 05
  vexa-cli content length &apos;[ShiftLevel3]&apos;             # 4
  vexa-cli content decode &apos;FF 3B FE 3C&apos;               # [F1][Separator][F2]
  vexa-cli content decode 410D                        # A[CR]
  vexa-cli content decimal &apos;Ab[CR]&apos;                   # [65][98][CR]
  vexa-cli content encode -- &apos;-5&apos;
</translation>
    </message>
    <message>
        <source>HEX must be pairs of hex digits: &apos;%s&apos;</source>
        <translation>HEX deben ser pares de dígitos hexadecimales: &apos;%s&apos;</translation>
    </message>
    <message>
        <source>not a hex digit in HEX: &apos;%s&apos;</source>
        <translation>no es un dígito hexadecimal en HEX: &apos;%s&apos;</translation>
    </message>
    <message>
        <source>HEX holds 00, which ends a key string: &apos;%s&apos;</source>
        <translation>HEX contiene 00, que termina una cadena de tecla: &apos;%s&apos;</translation>
    </message>
    <message>
        <source>&apos;content %s&apos; takes exactly one TEXT (quote it when it holds blanks)</source>
        <translation>&apos;content %s&apos; admite exactamente un TEXT (entre comillas si contiene espacios)</translation>
    </message>
    <message>
        <source>&apos;content&apos; needs a sub-command: check, encode, length, decode, decimal, words</source>
        <translation>&apos;content&apos; necesita un subcomando: check, encode, length, decode, decimal, words</translation>
    </message>
    <message>
        <source>&apos;content check&apos; needs at least one TEXT</source>
        <translation>&apos;content check&apos; necesita al menos un TEXT</translation>
    </message>
    <message>
        <source>&apos;content decode&apos; needs the HEX bytes of a key string</source>
        <translation>&apos;content decode&apos; necesita los bytes HEX de una cadena de tecla</translation>
    </message>
    <message>
        <source>&apos;content words&apos; takes no arguments</source>
        <translation>&apos;content words&apos; no admite argumentos</translation>
    </message>
    <message>
        <source>unknown sub-command &apos;%s&apos; for &apos;content&apos;</source>
        <translation>subcomando desconocido &apos;%s&apos; para &apos;content&apos;</translation>
    </message>
    <message>
        <source>Usage: vexa-cli keyboard list [--port usb] [--json] [--verbose]
                              [--simulate-keyboard FILE|DIR]
       vexa-cli keyboard detect [--port usb|ps2] [--device PATH]
                                [--ps2-device NODE] [--json] [--verbose]
                                [--simulate-keyboard FILE|DIR]
       vexa-cli keyboard read OUT.bin [--port usb|ps2] [--device PATH]
                                      [--ps2-device NODE] [--verbose]
                                      [--simulate-keyboard FILE|DIR]
       vexa-cli keyboard write IN.bin [--port usb|ps2] [--device PATH]
                                      [--ps2-device NODE] [--verify]
                                      [--if-different] [--backup FILE]
                                      [--verbose]
                                      [--simulate-keyboard FILE|DIR]
       vexa-cli keyboard write IN.bin --all [--port usb] [--verify]
                                      [--if-different] [--backup DIR]
                                      [--json] [--verbose]
                                      [--simulate-keyboard FILE|DIR]
       vexa-cli keyboard watch IN.bin [--verify] [--if-different]
                                      [--backup DIR] [--log FILE] [--json]
                                      [--count N] [--new-only] [--verbose]
                                      [--simulate-keyboard DIR]

Talks to a connected PX series keyboard and moves its template (the 2048-byte
memory image) as 64 blocks of 32 bytes.

  list    prints one line per connected USB keyboard:
          PATH&lt;TAB&gt;PRODUCT&lt;TAB&gt;SERIAL&lt;TAB&gt;STATE, STATE being &quot;ready&quot;,
          &quot;no permission&quot; (see the README, &quot;USB permissions&quot;) or &quot;not
          answering&quot;; SERIAL is empty when the keyboard has none. With no
          keyboard it prints nothing (stderr says so) and exits 0. Each usable
          keyboard is asked for one report: don&apos;t list while another program
          transfers with a keyboard
  detect  looks for the keyboard and prints &quot;found&quot; with the device path
  read    reads the keyboard&apos;s template and writes it to OUT.bin; when any
          block fails nothing is written
  write   writes the template file IN.bin into the keyboard. The file is
          checked before the keyboard is touched: 2048 bytes, key data that
          decode, are valid and fit. A write that fails half-way leaves the
          keyboard with a partly written template: write it again before use
  watch   a provisioning station: checks IN.bin once, writes every keyboard
          connected (unless --new-only), then every keyboard plugged in, each
          once per plug-in, several at once. Plugged keyboards are found
          through the system&apos;s device events (udev), each checked as
          detection checks it; a keyboard done or failed is left alone until
          it is unplugged and plugged in again. One line per finished
          keyboard on stdout, as &apos;write --all&apos; prints it; on a terminal a
          live table of the keyboards in work on stderr. Ctrl+C (SIGINT,
          SIGTERM) stops the waiting, lets the writes under way finish,
          prints the summary (written, verified, unchanged, failed) and
          exits 0 only when none failed

Over USB only the keyboard is opened: the system is asked for the HID devices
with the keyboard&apos;s vendor and product id (0fa8:c280), and each is checked
before anything is sent to it. A keyboard unplugged and plugged in again is
found again, also within one command (write --verify). Without --device the
first keyboard found is used.

Several keyboards (USB): &apos;list&apos; shows them, --device PATH picks one, and
&apos;write --all&apos; writes every connected keyboard at the same time, one worker
per keyboard, in about the time of one. It ends with one line per keyboard
on stdout: PATH&lt;TAB&gt;SERIAL&lt;TAB&gt;RESULT, RESULT being &quot;written&quot;, &quot;verified&quot;
or the error (&quot;Data Written Error, Count=N&quot; and what it means). A keyboard
that fails never stops the others; the exit status is 0 only when every
keyboard succeeded. The PS/2 port stays one keyboard: a PC has one keyboard
port, so --device and --all are for USB only.

Options:
  --port usb|ps2           USB (default) or the PS/2 keyboard port: the
                           kernel&apos;s serio_raw driver takes the i8042
                           keyboard port for the transfer and gives it
                           back to the keyboard driver afterwards (as
                           root, or through pkexec and an administrator&apos;s
                           password); see the README, &quot;PS/2 on Linux&quot;
  --device PATH            USB: use the keyboard at PATH (a hidraw node as
                           &apos;list&apos; prints it), checked before anything is
                           sent; a path that is not a connected keyboard
                           is refused
  --all                    write: every connected USB keyboard at once
  --ps2-device NODE        PS/2 through NODE, an already bound serio_raw
                           device (/dev/serio_rawN) or anything that
                           speaks like one; nothing is bound; implies
                           --port ps2
  --if-different           read the keyboard&apos;s template first and write only
                           when it differs; otherwise the result is
                           &quot;unchanged&quot; (exit status 0)
  --json                   stdout holds JSON only (messages stay on stderr):
                           list one array of {path, product, serial,
                           state}; detect one {found, port, path}; write
                           --all and watch one object per keyboard and line:
                           {path, serial, product, result, error, started,
                           finished, sha256}, result being &quot;written&quot;,
                           &quot;verified&quot;, &quot;unchanged&quot; or &quot;failed&quot; (then error
                           holds the message, else it is null); times in UTC
  --log FILE               watch: append each keyboard&apos;s JSON object to FILE,
                           synced to the disk as it is written
  --count N                watch: end after N keyboards
  --new-only               watch: leave the keyboards connected at the start
                           alone
  --verify                 after writing, read the whole template back and
                           compare; the blocks that differ are named
  --backup FILE            before writing, read the keyboard&apos;s template and
                           save it in FILE; nothing is written if that fails
  --backup DIR             with --all: one backup per keyboard in DIR
                           (created when missing), named after the
                           keyboard&apos;s serial number, or its path when it
                           has none or shares it: DIR/SERIAL.bin
  --verbose                print the USB port&apos;s diagnostic lines (detection,
                           identity checks) on stderr
  --simulate-keyboard FILE use a simulated keyboard whose memory is kept in
                           FILE (created with an empty template when missing)
  --simulate-keyboard DIR  several simulated USB keyboards, one per .bin file
                           in DIR, each with the file&apos;s name as its serial
                           number (the first one is also on PS/2); with
                           watch a .bin file that appears in DIR is a
                           keyboard plugged in, one that goes is unplugged

Progress goes to stderr: on a terminal a bar (one line per keyboard with
--all), else plain percentages. A write takes about 16 seconds over USB;
don&apos;t unplug the keyboard meanwhile.

Examples:
  vexa-cli keyboard detect
  vexa-cli keyboard list
  vexa-cli keyboard read shop.bin
  vexa-cli keyboard write shop.bin --verify --backup before.bin
  vexa-cli keyboard write shop.bin --device /dev/hidraw5 --verify
  vexa-cli keyboard write shop.bin --all --verify --backup before/
  vexa-cli keyboard write shop.bin --all --if-different --json
  vexa-cli keyboard watch shop.bin --verify --backup before/ --log station.log
  vexa-cli keyboard write shop.bin --port ps2
  vexa-cli keyboard read shop.bin --ps2-device /dev/serio_raw0
  vexa-cli keyboard read sim.bin --simulate-keyboard ~/px2400-sim.bin
</source>
        <translation>Uso:   vexa-cli keyboard list [--port usb] [--json] [--verbose]
                              [--simulate-keyboard FILE|DIR]
       vexa-cli keyboard detect [--port usb|ps2] [--device PATH]
                                [--ps2-device NODE] [--json] [--verbose]
                                [--simulate-keyboard FILE|DIR]
       vexa-cli keyboard read OUT.bin [--port usb|ps2] [--device PATH]
                                      [--ps2-device NODE] [--verbose]
                                      [--simulate-keyboard FILE|DIR]
       vexa-cli keyboard write IN.bin [--port usb|ps2] [--device PATH]
                                      [--ps2-device NODE] [--verify]
                                      [--if-different] [--backup FILE]
                                      [--verbose]
                                      [--simulate-keyboard FILE|DIR]
       vexa-cli keyboard write IN.bin --all [--port usb] [--verify]
                                      [--if-different] [--backup DIR]
                                      [--json] [--verbose]
                                      [--simulate-keyboard FILE|DIR]
       vexa-cli keyboard watch IN.bin [--verify] [--if-different]
                                      [--backup DIR] [--log FILE] [--json]
                                      [--count N] [--new-only] [--verbose]
                                      [--simulate-keyboard DIR]

Se comunica con un teclado de la serie PX conectado y transfiere su plantilla
(la imagen de memoria de 2048 bytes) en 64 bloques de 32 bytes.

  list    imprime una línea por cada teclado USB conectado:
          PATH&lt;TAB&gt;PRODUCT&lt;TAB&gt;SERIAL&lt;TAB&gt;STATE, siendo STATE &quot;ready&quot;,
          &quot;no permission&quot; (véase el README, &quot;USB permissions&quot;) o &quot;not
          answering&quot;; SERIAL queda vacío si el teclado no tiene. Sin teclado
          no imprime nada (stderr lo indica) y sale con 0. A cada teclado
          utilizable se le pide un informe: no lo use mientras otro programa
          transfiere con un teclado
  detect  busca el teclado e imprime &quot;found&quot; con la ruta del dispositivo
  read    lee la plantilla del teclado y la escribe en OUT.bin; si falla
          algún bloque no se escribe nada
  write   escribe el archivo de plantilla IN.bin en el teclado. El archivo se
          comprueba antes de tocar el teclado: 2048 bytes, datos de teclas que
          se decodifican, son válidos y caben. Una escritura que falla a medias
          deja el teclado con una plantilla escrita en parte: escríbala de
          nuevo antes de usarlo
  watch   un puesto de preparación: comprueba IN.bin una vez, escribe cada
          teclado conectado (salvo con --new-only) y luego cada teclado que se
          enchufe, una vez por conexión, varios a la vez. Los teclados
          enchufados se encuentran por los eventos de dispositivo del sistema
          (udev), y cada uno se comprueba como lo hace la detección; un
          teclado terminado o fallido se deja en paz hasta que se desenchufa y
          se vuelve a enchufar. Una línea por teclado terminado en stdout,
          como la imprime &apos;write --all&apos;; en un terminal, una tabla en vivo de
          los teclados en curso en stderr. Ctrl+C (SIGINT, SIGTERM) deja de
          esperar, deja terminar las escrituras en curso, imprime el resumen
          (written, verified, unchanged, failed) y sale con 0 solo si ninguno
          falló

Por USB solo se abre el teclado: se piden al sistema los dispositivos HID con
el id de fabricante y de producto del teclado (0fa8:c280), y cada uno se
comprueba antes de enviarle nada. Un teclado desenchufado y vuelto a enchufar
se vuelve a encontrar, también dentro de un comando (write --verify). Sin
--device se usa el primer teclado encontrado.

Varios teclados (USB): &apos;list&apos; los muestra, --device PATH elige uno y
&apos;write --all&apos; escribe todos los teclados conectados a la vez, un proceso de
trabajo por teclado, en el tiempo de uno aproximadamente. Termina con una
línea por teclado en stdout: PATH&lt;TAB&gt;SERIAL&lt;TAB&gt;RESULT, siendo RESULT
&quot;written&quot;, &quot;verified&quot; o el error (&quot;Data Written Error, Count=N&quot; y lo que
significa). Un teclado que falla nunca detiene a los demás; el estado de
salida es 0 solo si todos los teclados tuvieron éxito. El puerto PS/2 sigue
siendo de un teclado: un PC tiene un puerto de teclado, así que --device y
--all son solo para USB.

Opciones:
  --port usb|ps2           USB (predeterminado) o el puerto de teclado PS/2:
                           el controlador serio_raw del kernel toma el puerto
                           de teclado i8042 para la transferencia y luego lo
                           devuelve al controlador de teclado (como root, o
                           mediante pkexec y la contraseña de un
                           administrador); véase el README, &quot;PS/2 on Linux&quot;
  --device PATH            USB: usar el teclado en PATH (un nodo hidraw tal
                           como lo imprime &apos;list&apos;), comprobado antes de
                           enviar nada; se rechaza una ruta que no sea un
                           teclado conectado
  --all                    write: todos los teclados USB conectados a la vez
  --ps2-device NODE        PS/2 a través de NODE, un dispositivo serio_raw ya
                           vinculado (/dev/serio_rawN) o cualquier cosa que
                           hable como uno; no se vincula nada; implica
                           --port ps2
  --if-different           leer primero la plantilla del teclado y escribir
                           solo si es distinta; si no, el resultado es
                           &quot;unchanged&quot; (estado de salida 0)
  --json                   stdout contiene solo JSON (los mensajes siguen en
                           stderr): list, un array de {path, product, serial,
                           state}; detect, un {found, port, path}; write
                           --all y watch, un objeto por teclado y línea:
                           {path, serial, product, result, error, started,
                           finished, sha256}, siendo result &quot;written&quot;,
                           &quot;verified&quot;, &quot;unchanged&quot; o &quot;failed&quot; (entonces error
                           contiene el mensaje; si no, es null); horas en UTC
  --log FILE               watch: añadir el objeto JSON de cada teclado a
                           FILE, sincronizado con el disco al escribirlo
  --count N                watch: terminar tras N teclados
  --new-only               watch: dejar en paz los teclados conectados al
                           principio
  --verify                 tras escribir, releer toda la plantilla y
                           comparar; se nombran los bloques que difieren
  --backup FILE            antes de escribir, leer la plantilla del teclado y
                           guardarla en FILE; si falla, no se escribe nada
  --backup DIR             con --all: una copia de seguridad por teclado en
                           DIR (creado si falta), con el nombre del número de
                           serie del teclado, o de su ruta si no tiene o lo
                           comparte: DIR/SERIAL.bin
  --verbose                imprimir en stderr las líneas de diagnóstico del
                           puerto USB (detección, comprobaciones de identidad)
  --simulate-keyboard FILE usar un teclado simulado cuya memoria se guarda en
                           FILE (creado con una plantilla vacía si falta)
  --simulate-keyboard DIR  varios teclados USB simulados, uno por archivo .bin
                           en DIR, cada uno con el nombre del archivo como
                           número de serie (el primero está también en PS/2);
                           con watch, un archivo .bin que aparece en DIR es un
                           teclado enchufado, y uno que desaparece, desenchufado

El progreso va a stderr: en un terminal, una barra (una línea por teclado con
--all); si no, porcentajes simples. Una escritura tarda unos 16 segundos por
USB; no desenchufe el teclado mientras tanto.

Ejemplos:
  vexa-cli keyboard detect
  vexa-cli keyboard list
  vexa-cli keyboard read shop.bin
  vexa-cli keyboard write shop.bin --verify --backup before.bin
  vexa-cli keyboard write shop.bin --device /dev/hidraw5 --verify
  vexa-cli keyboard write shop.bin --all --verify --backup before/
  vexa-cli keyboard write shop.bin --all --if-different --json
  vexa-cli keyboard watch shop.bin --verify --backup before/ --log station.log
  vexa-cli keyboard write shop.bin --port ps2
  vexa-cli keyboard read shop.bin --ps2-device /dev/serio_raw0
  vexa-cli keyboard read sim.bin --simulate-keyboard ~/px2400-sim.bin
</translation>
    </message>
    <message>
        <source>--port takes usb or ps2, not &apos;%s&apos;</source>
        <translation>--port admite usb o ps2, no &apos;%s&apos;</translation>
    </message>
    <message>
        <source>--simulate-keyboard needs a file name</source>
        <translation>--simulate-keyboard necesita un nombre de archivo</translation>
    </message>
    <message>
        <source>--ps2-device needs a device node</source>
        <translation>--ps2-device necesita un nodo de dispositivo</translation>
    </message>
    <message>
        <source>--ps2-device goes with --port ps2</source>
        <translation>--ps2-device va con --port ps2</translation>
    </message>
    <message>
        <source>--ps2-device and --simulate-keyboard exclude each other</source>
        <translation>--ps2-device y --simulate-keyboard se excluyen mutuamente</translation>
    </message>
    <message>
        <source>--device needs a device path (&apos;vexa-cli keyboard list&apos; prints them)</source>
        <translation>--device necesita una ruta de dispositivo (&apos;vexa-cli keyboard list&apos; las muestra)</translation>
    </message>
    <message>
        <source>--device names a USB keyboard: the PS/2 port has one keyboard</source>
        <translation>--device indica un teclado USB: el puerto PS/2 tiene un solo teclado</translation>
    </message>
    <message>
        <source>list shows USB keyboards: the PS/2 port has one keyboard (&apos;keyboard detect --port ps2&apos;)</source>
        <translation>list muestra teclados USB: el puerto PS/2 tiene un solo teclado (&apos;keyboard detect --port ps2&apos;)</translation>
    </message>
    <message>
        <source>list takes no file</source>
        <translation>list no admite ningún archivo</translation>
    </message>
    <message>
        <source>detect takes no file</source>
        <translation>detect no admite ningún archivo</translation>
    </message>
    <message>
        <source>read takes one output file</source>
        <translation>read admite un archivo de salida</translation>
    </message>
    <message>
        <source>--backup needs a directory</source>
        <translation>--backup necesita un directorio</translation>
    </message>
    <message>
        <source>--backup needs a file name</source>
        <translation>--backup necesita un nombre de archivo</translation>
    </message>
    <message>
        <source>--all writes USB keyboards: the PS/2 port has one keyboard</source>
        <translation>--all escribe teclados USB: el puerto PS/2 tiene un solo teclado</translation>
    </message>
    <message>
        <source>--all and --device exclude each other</source>
        <translation>--all y --device se excluyen mutuamente</translation>
    </message>
    <message>
        <source>--json goes with write --all: one object per keyboard</source>
        <translation>--json va con write --all: un objeto por teclado</translation>
    </message>
    <message>
        <source>write takes one template file</source>
        <translation>write admite un archivo de plantilla</translation>
    </message>
    <message>
        <source>watch writes USB keyboards: the PS/2 port has one keyboard</source>
        <translation>watch escribe teclados USB: el puerto PS/2 tiene un solo teclado</translation>
    </message>
    <message>
        <source>watch takes one template file</source>
        <translation>watch admite un archivo de plantilla</translation>
    </message>
    <message>
        <source>--log needs a file name</source>
        <translation>--log necesita un nombre de archivo</translation>
    </message>
    <message>
        <source>--count takes a positive number, not &apos;%s&apos;</source>
        <translation>--count admite un número positivo, no &apos;%s&apos;</translation>
    </message>
    <message>
        <source>watch simulates keyboards with a directory: --simulate-keyboard DIR</source>
        <translation>watch simula teclados con un directorio: --simulate-keyboard DIR</translation>
    </message>
    <message>
        <source>keyboard needs a subcommand: list, detect, read, write or watch</source>
        <translation>keyboard necesita un subcomando: list, detect, read, write o watch</translation>
    </message>
    <message>
        <source>unknown keyboard subcommand &apos;%s&apos;</source>
        <translation>subcomando de keyboard desconocido &apos;%s&apos;</translation>
    </message>
    <message>
        <source>Usage: vexa-cli layout [--model M]

Lists the key layout of a keyboard model, one line per layout position, with
tab-separated fields:
  POS KEYINDEX LABEL LEFT TOP WIDTH HEIGHT LEFT-NEIGHBOUR RIGHT-NEIGHBOUR UP-NEIGHBOUR DOWN-NEIGHBOUR
POS is the layout position (the line order of text templates), KEYINDEX the
key&apos;s slot in the template (0..175), LEFT TOP WIDTH HEIGHT its rectangle in
pixels, and the last four the positions the arrow keys move to.

Options:
  --model M  the model: PX2400, PX2100, PX2200, DV3500, DV3100, DV3300 or its
             id 2013..2018; default: the model the editor last used (PX2400
             when none is stored)

Examples:
  vexa-cli layout --model DV3100
  vexa-cli layout --model 2016 | cut -f1,3
  vexa-cli layout --model PX2400 | awk -F&apos;\t&apos; &apos;$3 == &quot;Enter&quot;&apos;
</source>
        <translation>Uso:   vexa-cli layout [--model M]

Lista la disposición de teclas de un modelo de teclado, una línea por posición,
con campos separados por tabuladores:
  POS KEYINDEX LABEL LEFT TOP WIDTH HEIGHT LEFT-NEIGHBOUR RIGHT-NEIGHBOUR UP-NEIGHBOUR DOWN-NEIGHBOUR
POS es la posición en la disposición (el orden de líneas de las plantillas de
texto), KEYINDEX la ranura de la tecla en la plantilla (0..175), LEFT TOP WIDTH
HEIGHT su rectángulo en píxeles, y las cuatro últimas las posiciones a las que
se mueven las teclas de flecha.

Opciones:
  --model M  el modelo: PX2400, PX2100, PX2200, DV3500, DV3100, DV3300 o su
             id 2013..2018; predeterminado: el último modelo usado en el editor
             (PX2400 si no hay ninguno guardado)

Ejemplos:
  vexa-cli layout --model DV3100
  vexa-cli layout --model 2016 | cut -f1,3
  vexa-cli layout --model PX2400 | awk -F&apos;\t&apos; &apos;$3 == &quot;Enter&quot;&apos;
</translation>
    </message>
    <message>
        <source>unexpected argument &apos;%s&apos; for &apos;layout&apos;</source>
        <translation>argumento inesperado &apos;%s&apos; para &apos;layout&apos;</translation>
    </message>
    <message>
        <source>check, encode, measure and decode key contents</source>
        <translation>comprobar, codificar, medir y decodificar contenidos de teclas</translation>
    </message>
    <message>
        <source>list the key layout of a keyboard model</source>
        <translation>listar la distribución de teclas de un modelo de teclado</translation>
    </message>
    <message>
        <source>create, show, export, import, render and compare template files</source>
        <translation>crear, mostrar, exportar, importar, dibujar y comparar archivos de plantilla</translation>
    </message>
    <message>
        <source>list and detect keyboards, read and write their templates</source>
        <translation>listar y detectar teclados, leer y escribir sus plantillas</translation>
    </message>
    <message>
        <source>Usage: vexa-cli COMMAND [ARGUMENTS...]

Edits and transfers the key templates of PX and DV series programmable keyboards.

Commands:
</source>
        <translation>Uso:   vexa-cli COMMAND [ARGUMENTS...]

Edita y transfiere las plantillas de los teclados programables PX y DV.

Comandos:
</translation>
    </message>
    <message>
        <source>  help      show the help of one command: vexa-cli help COMMAND

Options:
  --help     show this help
  --version  show the version

Exit status: 0 success, 1 refused or failed (message on stderr), 2 usage error;
&apos;template diff&apos; as diff(1): 0 the same, 1 different, 2 trouble.
</source>
        <translation>  help      muestra la ayuda de un comando: vexa-cli help COMMAND

Opciones:
  --help     muestra esta ayuda
  --version  muestra la versión

Estado de salida: 0 éxito, 1 rechazado o fallido (mensaje en stderr), 2 error
de uso; &apos;template diff&apos; como diff(1): 0 iguales, 1 distintos, 2 problema.
</translation>
    </message>
    <message>
        <source>unknown command &apos;%s&apos;</source>
        <translation>comando desconocido &apos;%s&apos;</translation>
    </message>
    <message>
        <source>unknown keyboard model &apos;%s&apos; (use PX2400, PX2100, PX2200, DV3500, DV3100, DV3300 or 2013..2018)</source>
        <translation>modelo de teclado desconocido &apos;%s&apos; (usar PX2400, PX2100, PX2200, DV3500, DV3100, DV3300 o 2013..2018)</translation>
    </message>
    <message>
        <source>Usage: vexa-cli template new OUT.bin
       vexa-cli template show FILE.bin [--model M]
       vexa-cli template export FILE.bin OUT.txt [--model M]
       vexa-cli template import IN.txt OUT.bin [--model M] [--base FILE.bin]
       vexa-cli template render FILE.bin OUT.svg|OUT.png|OUT.pdf [--model M]
       vexa-cli template diff A.bin B.bin [--model M] [--json]

Works on template files (the keyboard&apos;s 2048-byte memory image) and text
template files (one line per key: label, comma, content; backslash and comma
escaped with a backslash; CR LF line ends).

  new     writes the template file of a new, untouched template
  show    lists the template, one line per layout position with tab-separated
          fields POS KEYINDEX LABEL CONTENT, then &quot;Total space left (bytes): N&quot;
  export  writes the text template file of a template file
  import  applies a text template onto a base template (default: a new one),
          checks every key and writes the template file. A key that is not a
          valid content stops the import: nothing is written and the key&apos;s
          position, label and content are reported. A wrong number of lines is
          reported but the file is still written.
  render  draws the legend sheet: every key of the model with its label and its
          content, as SVG, PNG or PDF by the extension of OUT; a content too
          long for its key is written out in the notes under the keyboard.
          Needs no display.
  diff    compares two template files: one line per key position whose content
          differs, tab-separated POSITION LABEL CONTENT-IN-A CONTENT-IN-B (keys
          the model does not show: position &quot;-&quot;, label &quot;(key index N)&quot;),
          then one line per differing setting, NAME VALUE-IN-A VALUE-IN-B, named
          as the settings dialogs name it. Exit status as diff(1): 0 the same,
          1 different, 2 trouble (a file that can&apos;t be read, bad usage).
          --json prints one object instead: {&quot;keys&quot;: [{&quot;position&quot;,
          &quot;keyIndex&quot;, &quot;label&quot;, &quot;a&quot;, &quot;b&quot;}...], &quot;settings&quot;: [{&quot;name&quot;, &quot;a&quot;,
          &quot;b&quot;}...]} (position null for a key the layout does not show)

Options:
  --model M      the model: PX2400, PX2100, PX2200, DV3500, DV3100, DV3300 or
                 its id 2013..2018; default: the model the editor last used
                 (PX2400 when none is stored). Template files carry no model:
                 it decides which keys and labels the text lines belong to.
  --base FILE    the template the text template is applied onto

Examples:
  vexa-cli template new blank.bin
  vexa-cli template show shop.bin --model DV3100
  vexa-cli template export shop.bin shop.txt --model PX2400
  vexa-cli template import shop.txt shop.bin --model PX2400 --base settings.bin
  vexa-cli template render shop.bin shop-legend.pdf --model PX2400
  vexa-cli template diff old.bin shop.bin --model PX2400
</source>
        <translation>Uso:   vexa-cli template new OUT.bin
       vexa-cli template show FILE.bin [--model M]
       vexa-cli template export FILE.bin OUT.txt [--model M]
       vexa-cli template import IN.txt OUT.bin [--model M] [--base FILE.bin]
       vexa-cli template render FILE.bin OUT.svg|OUT.png|OUT.pdf [--model M]
       vexa-cli template diff A.bin B.bin [--model M] [--json]

Trabaja con archivos de plantilla (la imagen de memoria de 2048 bytes del
teclado) y archivos de plantilla de texto (una línea por tecla: etiqueta, coma,
contenido; barra invertida y coma escapadas con una barra invertida; finales
de línea CR LF).

  new     escribe el archivo de plantilla de una plantilla nueva, sin tocar
  show    lista la plantilla, una línea por posición con campos separados por
          tabuladores POS KEYINDEX LABEL CONTENT, luego
          &quot;Total space left (bytes): N&quot;
  export  escribe el archivo de plantilla de texto de un archivo de plantilla
  import  aplica un archivo de plantilla de texto sobre una plantilla base
          (predeterminada: una nueva), comprueba cada tecla y escribe el
          archivo de plantilla. Una tecla sin contenido válido detiene la
          importación: no se escribe nada y se indican la posición, la
          etiqueta y el contenido de la tecla. Un número de líneas incorrecto
          se indica, pero el archivo se escribe igualmente.
  render  dibuja la hoja de leyendas: cada tecla del modelo con su etiqueta y
          su contenido, como SVG, PNG o PDF según la extensión de OUT; un
          contenido demasiado largo para su tecla se escribe completo en las
          notas bajo el teclado. No necesita pantalla.
  diff    compara dos archivos de plantilla: una línea por posición de tecla
          cuyo contenido difiere, separada por tabuladores POSITION LABEL
          CONTENT-IN-A CONTENT-IN-B (teclas que el modelo no muestra: posición
          &quot;-&quot;, etiqueta &quot;(key index N)&quot;), luego una línea por ajuste distinto,
          NAME VALUE-IN-A VALUE-IN-B, con el nombre que le dan los diálogos de
          ajustes. Estado de salida como diff(1): 0 iguales, 1 distintos,
          2 problema (un archivo que no se puede leer, uso incorrecto).
          --json imprime en su lugar un objeto: {&quot;keys&quot;: [{&quot;position&quot;,
          &quot;keyIndex&quot;, &quot;label&quot;, &quot;a&quot;, &quot;b&quot;}...], &quot;settings&quot;: [{&quot;name&quot;, &quot;a&quot;,
          &quot;b&quot;}...]} (position null para una tecla que la disposición no
          muestra)

Opciones:
  --model M      el modelo: PX2400, PX2100, PX2200, DV3500, DV3100, DV3300 o
                 su id 2013..2018; predeterminado: el último modelo usado en el
                 editor (PX2400 si no hay ninguno guardado). Los archivos de
                 plantilla no llevan modelo: este decide a qué teclas y
                 etiquetas pertenecen las líneas de texto.
  --base FILE    la plantilla sobre la que se aplica la plantilla de texto

Ejemplos:
  vexa-cli template new blank.bin
  vexa-cli template show shop.bin --model DV3100
  vexa-cli template export shop.bin shop.txt --model PX2400
  vexa-cli template import shop.txt shop.bin --model PX2400 --base settings.bin
  vexa-cli template render shop.bin shop-legend.pdf --model PX2400
  vexa-cli template diff old.bin shop.bin --model PX2400
</translation>
    </message>
    <message>
        <source>&apos;template new&apos; takes one file name: OUT.bin</source>
        <translation>&apos;template new&apos; admite un nombre de archivo: OUT.bin</translation>
    </message>
    <message>
        <source>&apos;template show&apos; takes one file name: FILE.bin</source>
        <translation>&apos;template show&apos; admite un nombre de archivo: FILE.bin</translation>
    </message>
    <message>
        <source>&apos;template export&apos; takes two file names: FILE.bin OUT.txt</source>
        <translation>&apos;template export&apos; admite dos nombres de archivo: FILE.bin OUT.txt</translation>
    </message>
    <message>
        <source>&apos;template import&apos; takes two file names: IN.txt OUT.bin</source>
        <translation>&apos;template import&apos; admite dos nombres de archivo: IN.txt OUT.bin</translation>
    </message>
    <message>
        <source>&apos;template render&apos; takes two file names: FILE.bin OUT.svg, OUT.png or OUT.pdf</source>
        <translation>&apos;template render&apos; admite dos nombres de archivo: FILE.bin OUT.svg, OUT.png u OUT.pdf</translation>
    </message>
    <message>
        <source>&apos;template diff&apos; takes two file names: A.bin B.bin</source>
        <translation>&apos;template diff&apos; admite dos nombres de archivo: A.bin B.bin</translation>
    </message>
    <message>
        <source>&apos;template&apos; needs a subcommand: new, show, export, import, render or diff</source>
        <translation>&apos;template&apos; necesita un subcomando: new, show, export, import, render o diff</translation>
    </message>
    <message>
        <source>unknown template subcommand &apos;%s&apos;</source>
        <translation>subcomando de template desconocido &apos;%s&apos;</translation>
    </message>
    <message>
        <source>ScanCode Mode</source>
        <translation>Modo escaneo</translation>
    </message>
    <message>
        <source>ASCII Decimal Mode</source>
        <translation>Modo ASCII decimal</translation>
    </message>
    <message>
        <source>ASCII Mode</source>
        <translation>Modo ASCII</translation>
    </message>
    <message>
        <source>Key Name:</source>
        <translation>Tecla:</translation>
    </message>
    <message>
        <source>Key content:</source>
        <translation>Contenido:</translation>
    </message>
    <message>
        <source>Total space left (bytes):</source>
        <translation>Espacio libre (bytes):</translation>
    </message>
    <message>
        <source>Use Mouse or &lt;Shift&gt; + &lt;Arrow&gt; to Select Key.  </source>
        <translation>Elegir la tecla con el ratón o &lt;Shift&gt; + &lt;Flecha&gt;.  </translation>
    </message>
    <message>
        <source>Use Mouse or &lt;Shift&gt; + &lt;Arrow&gt; to Select Key. Use &lt;ESC&gt; then &lt;Func Key&gt; to Input Function Key Code.</source>
        <translation>Elegir la tecla con el ratón o &lt;Shift&gt; + &lt;Flecha&gt;. &lt;ESC&gt; y luego &lt;Tecla F&gt;: código de función.</translation>
    </message>
    <message>
        <source>Black Key: blank key</source>
        <translation>Negra: tecla vacía</translation>
    </message>
    <message>
        <source>Blue Key</source>
        <translation>Azul</translation>
    </message>
    <message>
        <source>: defined key</source>
        <translation>: tecla definida</translation>
    </message>
    <message>
        <source>Green Key</source>
        <translation>Verde</translation>
    </message>
    <message>
        <source>: modified key</source>
        <translation>: tecla modificada</translation>
    </message>
    <message>
        <source>Port Name: %s</source>
        <translation>Puerto: %s</translation>
    </message>
</context>
<context>
    <name>vexa::CAboutDlg</name>
    <message>
        <source>Keyboard Editor Version %1</source>
        <translation>Editor de teclado versión %1</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
</context>
<context>
    <name>vexa::CKeyWordTable</name>
    <message>
        <source>Special Function Key Word Table</source>
        <translation>Tabla de palabras clave de funciones especiales</translation>
    </message>
    <message>
        <source>Special function key words</source>
        <translation>Palabras clave de funciones especiales</translation>
    </message>
</context>
<context>
    <name>vexa::CMainFrame</name>
    <message>
        <source>Open this document</source>
        <translation>Abrir este documento</translation>
    </message>
    <message>
        <source>Toolbar</source>
        <translation>Barra de herramientas</translation>
    </message>
    <message>
        <source>CAP</source>
        <extracomment>Status bar indicator: Caps Lock is on.</extracomment>
        <translation>MAYÚS</translation>
    </message>
    <message>
        <source>NUM</source>
        <extracomment>Status bar indicator: Num Lock is on.</extracomment>
        <translation>NUM</translation>
    </message>
    <message>
        <source>SCRL</source>
        <extracomment>Status bar indicator: Scroll Lock is on.</extracomment>
        <translation>DESPL</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Estado</translation>
    </message>
    <message>
        <source>Caps Lock</source>
        <translation>Bloq Mayús</translation>
    </message>
    <message>
        <source>Num Lock</source>
        <translation>Bloq Num</translation>
    </message>
    <message>
        <source>Scroll Lock</source>
        <translation>Bloq Despl</translation>
    </message>
    <message>
        <source>on</source>
        <translation>activado</translation>
    </message>
    <message>
        <source>off</source>
        <translation>desactivado</translation>
    </message>
</context>
<context>
    <name>vexa::CSelectConnectedKeyboard</name>
    <message>
        <source>serial %1</source>
        <extracomment>A connected keyboard&apos;s serial number in the list of keyboards.</extracomment>
        <translation>n.º de serie %1</translation>
    </message>
</context>
<context>
    <name>vexa::CSelectKeyboard</name>
    <message>
        <source>Yes</source>
        <translation>Sí</translation>
    </message>
    <message>
        <source>No</source>
        <translation>No</translation>
    </message>
</context>
<context>
    <name>vexa::CSelectPort</name>
    <message>
        <source>Port Name:</source>
        <translation>Puerto:</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
</context>
<context>
    <name>vexa::CStationDialog</name>
    <message>
        <source>Template file</source>
        <translation>Archivo de plantilla</translation>
    </message>
    <message>
        <source>Choose the template file</source>
        <translation>Elegir el archivo de plantilla</translation>
    </message>
    <message>
        <source>Backup folder</source>
        <translation>Carpeta de copias de seguridad</translation>
    </message>
    <message>
        <source>Keyboards</source>
        <translation>Teclados</translation>
    </message>
    <message>
        <source>Station status</source>
        <translation>Estado de la estación</translation>
    </message>
</context>
<context>
    <name>vexa::CTextFileNamePath</name>
    <message>
        <source>Text File Template Import/Export</source>
        <translation>Importar/exportar plantilla de texto</translation>
    </message>
    <message>
        <source>Text file template(*.txt)</source>
        <translation>Archivo de plantilla de texto (*.txt)</translation>
    </message>
    <message>
        <source>Import</source>
        <extracomment>The accept button of the text template file chooser.</extracomment>
        <translation>Importar</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>Exportar</translation>
    </message>
</context>
<context>
    <name>vexa::CVEXAView</name>
    <message>
        <source>Keyboard layout</source>
        <translation>Distribución del teclado</translation>
    </message>
</context>
<context>
    <name>vexa::CodeEntryDialog</name>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
</context>
<context>
    <name>vexa::TransferProgressDisplay</name>
    <message>
        <source>Transfer progress</source>
        <translation>Progreso de la transferencia</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
</context>
</TS>
