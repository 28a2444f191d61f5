<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es">
<context>
    <name>AviCompressorText</name>
    <message>
        <source>No encoder is installed for the codec &quot;%1&quot;.</source>
        <translation>No hay ningún codificador instalado para el códec &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>The size or the frame rate is not valid.</source>
        <translation>El tamaño o la frecuencia de fotogramas no es válido.</translation>
    </message>
    <message>
        <source>Out of memory.</source>
        <translation>Memoria insuficiente.</translation>
    </message>
    <message>
        <source>The codec &quot;%1&quot; cannot compress pictures of %2 x %3 pixels (%4).</source>
        <translation>El códec &quot;%1&quot; no puede comprimir imágenes de %2 x %3 píxeles (%4).</translation>
    </message>
    <message>
        <source>The codec failed to compress a picture.</source>
        <translation>El códec no ha podido comprimir una imagen.</translation>
    </message>
    <message>
        <source>The codec is not open.</source>
        <translation>El códec no está abierto.</translation>
    </message>
    <message>
        <source>The picture could not be converted for the codec.</source>
        <translation>No se ha podido convertir la imagen para el códec.</translation>
    </message>
</context>
<context>
    <name>AviWriterText</name>
    <message>
        <source>The size or the frame rate of the video is not valid.</source>
        <translation>El tamaño o la frecuencia de fotogramas del vídeo no es válido.</translation>
    </message>
    <message>
        <source>The video is too large for an AVI file.</source>
        <translation>El vídeo es demasiado grande para un archivo AVI.</translation>
    </message>
    <message>
        <source>The video file is not open.</source>
        <translation>El archivo de vídeo no está abierto.</translation>
    </message>
    <message>
        <source>A frame is too large for an AVI file.</source>
        <translation>Un fotograma es demasiado grande para un archivo AVI.</translation>
    </message>
    <message>
        <source>The video holds no frame.</source>
        <translation>El vídeo no contiene ningún fotograma.</translation>
    </message>
</context>
<context>
    <name>BoiteBasculerText</name>
    <message>
        <source>This window allows you to select the useful part of the video sequence or</source>
        <translation>Esta ventana permite seleccionar la parte útil de la secuencia de vídeo o</translation>
    </message>
    <message>
        <source>to modify a previous selection</source>
        <translation>modificar una selección anterior</translation>
    </message>
    <message>
        <source>Hidden frames appear in negative on the edited video.</source>
        <translation>Los fotogramas ocultos aparecen en negativo en el vídeo editado.</translation>
    </message>
    <message>
        <source>Action</source>
        <translation>Acción</translation>
    </message>
    <message>
        <source>Hide images</source>
        <translation>Ocultar fotogramas</translation>
    </message>
    <message>
        <source>Show images</source>
        <translation>Mostrar fotogramas</translation>
    </message>
    <message>
        <source>Type the number of the images, or image groups separated by semicolon (example: 1-55; 58; 73-165)</source>
        <translation>Escriba los números de los fotogramas, o grupos de fotogramas separados por punto y coma (ejemplo: 1-55; 58; 73-165)</translation>
    </message>
    <message>
        <source>All even image numbers</source>
        <translation>Todos los fotogramas pares</translation>
    </message>
    <message>
        <source>All odd image numbers</source>
        <translation>Todos los fotogramas impares</translation>
    </message>
    <message>
        <source>&amp;Ok</source>
        <translation>&amp;Aceptar</translation>
    </message>
    <message>
        <source>The marks placed on the hidden images will be deleted</source>
        <translation>Se borrarán las marcas colocadas en los fotogramas ocultos</translation>
    </message>
    <message>
        <source>The image group at %s is incorrect</source>
        <translation>El grupo de fotogramas que se quiere %s no es correcto</translation>
    </message>
    <message>
        <source>show</source>
        <translation>mostrar</translation>
    </message>
    <message>
        <source>hide</source>
        <translation>ocultar</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>Aceptar</translation>
    </message>
</context>
<context>
    <name>BoiteFormulesText</name>
    <message>
        <source>Type a formula</source>
        <translation>Escriba una fórmula</translation>
    </message>
    <message>
        <source>|Left-click = hide or change column; right-click = delete</source>
        <translation>|Clic izquierdo = ocultar o cambiar la columna; clic derecho = borrar</translation>
    </message>
    <message>
        <source>|Change a formula, its comment or unit</source>
        <translation>|Modificar una fórmula, su comentario o su unidad</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nombre</translation>
    </message>
    <message>
        <source>Value or formula</source>
        <translation>Valor o fórmula</translation>
    </message>
    <message>
        <source>Unit</source>
        <translation>Unidad</translation>
    </message>
    <message>
        <source>Angles in degrees</source>
        <translation>Ángulos en grados</translation>
    </message>
    <message>
        <source>Angles in radians</source>
        <translation>Ángulos en radianes</translation>
    </message>
    <message>
        <source>Calculator</source>
        <translation>Calculadora</translation>
    </message>
    <message>
        <source>Copy the table</source>
        <translation>Copiar la tabla</translation>
    </message>
    <message>
        <source>Copy the table to a spreadsheet</source>
        <translation>Copiar la tabla a una hoja de cálculo</translation>
    </message>
    <message>
        <source>Copy the table to Regressi</source>
        <translation>Copiar la tabla a Regressi</translation>
    </message>
    <message>
        <source>Export the table to a file</source>
        <translation>Exportar la tabla a un archivo</translation>
    </message>
    <message>
        <source>Restore the table</source>
        <translation>Restaurar la tabla</translation>
    </message>
    <message>
        <source>Curves</source>
        <translation>Curvas</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Ayuda</translation>
    </message>
    <message>
        <source>+   -   /   *   ^ (to the power of)</source>
        <translation>+   -   /   *   ^ (potencia)</translation>
    </message>
    <message>
        <source>Sin, Cos, Tan, Ln, Exp, Sqrt (square root)</source>
        <translation>Sin, Cos, Tan, Ln, Exp, Sqrt (raíz cuadrada)</translation>
    </message>
    <message>
        <source>arcSin, arcCos, arcTan, Log, Abs (absolute value)</source>
        <translation>arcSin, arcCos, arcTan, Log, Abs (valor absoluto)</translation>
    </message>
    <message>
        <source>The name of the constant may contain</source>
        <translation>El nombre de la constante puede contener</translation>
    </message>
    <message>
        <source>upper case letters</source>
        <translation>letras mayúsculas</translation>
    </message>
    <message>
        <source>lower case letters</source>
        <translation>letras minúsculas</translation>
    </message>
    <message>
        <source>numbers but must start with a letter</source>
        <translation>cifras, pero debe empezar por una letra</translation>
    </message>
    <message>
        <source>an integer between brackets</source>
        <translation>un entero entre corchetes</translation>
    </message>
    <message>
        <source>Formulas</source>
        <translation>Fórmulas</translation>
    </message>
    <message>
        <source>Formulas and constants</source>
        <translation>Fórmulas y constantes</translation>
    </message>
    <message>
        <source>Calculations</source>
        <translation>Cálculos</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Edición</translation>
    </message>
    <message>
        <source>View</source>
        <translation>Ver</translation>
    </message>
</context>
<context>
    <name>BoiteImprimerText</name>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>A file with the same name already exists. Overwrite ?</source>
        <translation>Ya existe un archivo con el mismo nombre. ¿Desea sobrescribirlo?</translation>
    </message>
</context>
<context>
    <name>BoiteInstantText</name>
    <message>
        <source>The duration between the frame before and after the missing image must be changed</source>
        <translation>Hay que cambiar la duración entre el fotograma anterior y el posterior al fotograma que falta</translation>
    </message>
    <message>
        <source>The interval between 2 successive frames is T = %s s.</source>
        <translation>El intervalo entre 2 fotogramas sucesivos es T = %s s.</translation>
    </message>
    <message>
        <source>The initial time is the first frame in the video stream.</source>
        <translation>El instante inicial es el del primer fotograma del flujo de vídeo.</translation>
    </message>
    <message>
        <source>previous visible image t = %s s</source>
        <translation>fotograma visible anterior t = %s s</translation>
    </message>
    <message>
        <source>time of selected image t =</source>
        <translation>instante del fotograma seleccionado t =</translation>
    </message>
    <message>
        <source>s</source>
        <translation>s</translation>
    </message>
    <message>
        <source>next visible image  t = %s s</source>
        <translation>fotograma visible siguiente  t = %s s</translation>
    </message>
    <message>
        <source>&amp;Ok</source>
        <translation>&amp;Aceptar</translation>
    </message>
    <message>
        <source>Tip: go to the image immediately after the missing frame</source>
        <translation>Consejo: vaya al fotograma inmediatamente posterior al que falta</translation>
    </message>
</context>
<context>
    <name>BoiteNomCouleurText</name>
    <message>
        <source>The middle of the layer follows the positions</source>
        <translation>El centro del calco sigue las posiciones</translation>
    </message>
    <message>
        <source>Axes and scale colour</source>
        <translation>Color de los ejes y de la escala</translation>
    </message>
    <message>
        <source>the mark</source>
        <translation>la marca</translation>
    </message>
    <message>
        <source>locates the positions</source>
        <translation>localiza las posiciones</translation>
    </message>
    <message>
        <source>mass (kg)</source>
        <translation>masa (kg)</translation>
    </message>
    <message>
        <source>Show the centre of mass on the video</source>
        <translation>Mostrar el centro de masas en el vídeo</translation>
    </message>
    <message>
        <source>|The names will be used to clarify the results</source>
        <translation>|Los nombres servirán para aclarar los resultados</translation>
    </message>
    <message>
        <source>|Mark number</source>
        <translation>|Número de la marca</translation>
    </message>
    <message>
        <source>|Use the numeric keypad from the main window</source>
        <translation>|Utilice el teclado numérico desde la ventana principal</translation>
    </message>
    <message>
        <source>|Uncheck to hide all object marks</source>
        <translation>|Desmarque para ocultar todas las marcas del objeto</translation>
    </message>
    <message>
        <source>|The mass in kilograms gives the object its momentum and energies; empty for none</source>
        <translation>|La masa en kilogramos da al objeto su cantidad de movimiento y sus energías; vacía si no tiene</translation>
    </message>
    <message>
        <source>|Do not forget an article before the noun</source>
        <translation>|No olvide el artículo delante del nombre</translation>
    </message>
    <message>
        <source>Examples</source>
        <translation>Ejemplos</translation>
    </message>
    <message>
        <source>of a ball</source>
        <translation>de una pelota</translation>
    </message>
    <message>
        <source>of the point of a javelin</source>
        <translation>de la punta de una jabalina</translation>
    </message>
    <message>
        <source>of the centre of the Earth</source>
        <translation>del centro de la Tierra</translation>
    </message>
    <message>
        <source>Change name and colour of every mark</source>
        <translation>Cambiar el nombre y el color de cada marca</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>Aceptar</translation>
    </message>
</context>
<context>
    <name>BoiteOptionsText</name>
    <message>
        <source>Customize tools bar (button pressed = hidden tool)</source>
        <translation>Personalizar la barra de herramientas (botón pulsado = herramienta oculta)</translation>
    </message>
    <message>
        <source>Preferences</source>
        <translation>Preferencias</translation>
    </message>
    <message>
        <source>System</source>
        <translation>Sistema</translation>
    </message>
    <message>
        <source>Dialog boxes</source>
        <translation>Cuadros de diálogo</translation>
    </message>
    <message>
        <source>File menu</source>
        <translation>Menú Archivo</translation>
    </message>
    <message>
        <source>Display menu</source>
        <translation>Menú Ver</translation>
    </message>
    <message>
        <source>Calculations</source>
        <translation>Cálculos</translation>
    </message>
    <message>
        <source>General</source>
        <translation>General</translation>
    </message>
    <message>
        <source>Velocity</source>
        <translation>Velocidad</translation>
    </message>
    <message>
        <source>Acceleration</source>
        <translation>Aceleración</translation>
    </message>
    <message>
        <source>Polar quantities</source>
        <translation>Magnitudes polares</translation>
    </message>
    <message>
        <source>Features</source>
        <translation>Funciones</translation>
    </message>
    <message>
        <source>Editing</source>
        <translation>Edición</translation>
    </message>
    <message>
        <source>Tracking</source>
        <translation>Seguimiento</translation>
    </message>
    <message>
        <source>Automatic tracking</source>
        <translation>Seguimiento automático</translation>
    </message>
    <message>
        <source>Capture</source>
        <translation>Captura</translation>
    </message>
    <message>
        <source>Video capture</source>
        <translation>Captura de vídeo</translation>
    </message>
    <message>
        <source>Studio</source>
        <translation>Estudio</translation>
    </message>
    <message>
        <source>Video studio</source>
        <translation>Estudio de vídeo</translation>
    </message>
    <message>
        <source>Datasheet</source>
        <translation>Tabla de datos</translation>
    </message>
    <message>
        <source>Evolution as a function of time</source>
        <translation>Evolución en función del tiempo</translation>
    </message>
    <message>
        <source>Tools</source>
        <translation>Herramientas</translation>
    </message>
    <message>
        <source>Trajectory in reference frame</source>
        <translation>Trayectoria en el sistema de referencia</translation>
    </message>
    <message>
        <source>Vectors representation</source>
        <translation>Representación de vectores</translation>
    </message>
    <message>
        <source>Quick view</source>
        <translation>Vista rápida</translation>
    </message>
    <message>
        <source>Custom formulas</source>
        <translation>Fórmulas personalizadas</translation>
    </message>
    <message>
        <source>Formulas and constants</source>
        <translation>Fórmulas y constantes</translation>
    </message>
    <message>
        <source>Common options of graphs</source>
        <translation>Opciones comunes de los gráficos</translation>
    </message>
    <message>
        <source>Change ...</source>
        <translation>Cambiar ...</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Borrar</translation>
    </message>
    <message>
        <source>Default directory</source>
        <translation>Carpeta predeterminada</translation>
    </message>
    <message>
        <source>Restore defaults</source>
        <translation>Restaurar valores predeterminados</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Associate KLB extension to Kolibra program</source>
        <translation>Asociar la extensión KLB al programa Kolibra</translation>
    </message>
    <message>
        <source>|Initialize or clean the association of KLB files in the desktop</source>
        <translation>|Crear o quitar la asociación de los archivos KLB en el escritorio</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Opciones</translation>
    </message>
    <message>
        <source>An error occurred while writing the association of KLB files:</source>
        <translation>Se ha producido un error al escribir la asociación de los archivos KLB:</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>The desktop&apos;s language (%1)</source>
        <translation>El idioma del escritorio (%1)</translation>
    </message>
    <message>
        <source>Applied at the next start of Kolibra.</source>
        <translation>Se aplica la próxima vez que se inicie Kolibra.</translation>
    </message>
</context>
<context>
    <name>BoiteProprietesText</name>
    <message>
        <source>Information on the video file</source>
        <translation>Información sobre el archivo de vídeo</translation>
    </message>
    <message>
        <source>Frame rate: %.3g</source>
        <translation>Frecuencia de fotogramas: %.3g</translation>
    </message>
    <message>
        <source>Image width in pixels: %d</source>
        <translation>Anchura de la imagen en píxeles: %d</translation>
    </message>
    <message>
        <source>Image height in pixels: %d</source>
        <translation>Altura de la imagen en píxeles: %d</translation>
    </message>
    <message>
        <source>Total number of images: %d</source>
        <translation>Número total de fotogramas: %d</translation>
    </message>
    <message>
        <source>Video length: %.3g s</source>
        <translation>Duración del vídeo: %.3g s</translation>
    </message>
    <message>
        <source>Rotation: %d°</source>
        <translation>Rotación: %d°</translation>
    </message>
    <message>
        <source>, mirrored</source>
        <translation>, reflejado</translation>
    </message>
    <message>
        <source> (ignored)</source>
        <translation> (ignorada)</translation>
    </message>
    <message>
        <source>Recorded at %.4g frames/s</source>
        <translation>Grabado a %.4g fotogramas/s</translation>
    </message>
    <message>
        <source>Frame durations vary</source>
        <translation>Los fotogramas no tienen todos la misma duración</translation>
    </message>
    <message>
        <source>Properties</source>
        <translation>Propiedades</translation>
    </message>
    <message>
        <source>Show the pictures as stored (ignore the rotation)</source>
        <translation>Mostrar las imágenes tal como están almacenadas (ignorar la rotación)</translation>
    </message>
</context>
<context>
    <name>BoiteTempsText</name>
    <message>
        <source>The video file was captured with a frame rate of</source>
        <translation>El archivo de vídeo se grabó con una frecuencia de</translation>
    </message>
    <message>
        <source>images / second.</source>
        <translation>fotogramas / segundo.</translation>
    </message>
    <message>
        <source>The interval between 2 successive images is then</source>
        <translation>El intervalo entre 2 fotogramas sucesivos es entonces</translation>
    </message>
    <message>
        <source>T</source>
        <translation>T</translation>
    </message>
    <message>
        <source>s</source>
        <translation>s</translation>
    </message>
    <message>
        <source>The frames of this video do not all last the same time.</source>
        <translation>Los fotogramas de este vídeo no duran todos lo mismo.</translation>
    </message>
    <message>
        <source>Inputted value:</source>
        <translation>Valor introducido:</translation>
    </message>
    <message>
        <source>This string is not a  suitable real.</source>
        <translation>Esta cadena no es un número real válido.</translation>
    </message>
    <message>
        <source>String must contain a sign (optional), numerals, a decimal separator (optional), then a mantissa (optional).</source>
        <translation>La cadena debe contener un signo (opcional), cifras, un separador decimal (opcional) y luego un exponente (opcional).</translation>
    </message>
    <message>
        <source>Mantissa contains « E » or « e » followed by a sign (facultative) and an integer.</source>
        <translation>El exponente contiene « E » o « e » seguido de un signo (opcional) y de un entero.</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Type a value in the given interval:</source>
        <translation>Escriba un valor dentro del intervalo indicado:</translation>
    </message>
    <message>
        <source>1 µs &lt; time interval &lt; 1 Gs</source>
        <translation>1 µs &lt; intervalo de tiempo &lt; 1 Gs</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>This video was recorded at %1 frames/s, stored at %2.</source>
        <translation>Este vídeo se grabó a %1 fotogramas/s y se almacenó a %2.</translation>
    </message>
    <message>
        <source>Use the video&apos;s time stamps</source>
        <translation>Usar las marcas de tiempo del vídeo</translation>
    </message>
    <message>
        <source>Interval between 2 frames</source>
        <translation>Intervalo entre 2 fotogramas</translation>
    </message>
    <message>
        <source>Duration represented by T</source>
        <translation>Duración representada por T</translation>
    </message>
    <message>
        <source>Use the default value T = </source>
        <translation>Usar el valor predeterminado T = </translation>
    </message>
    <message>
        <source>Choose another value:</source>
        <translation>Elegir otro valor:</translation>
    </message>
    <message>
        <source>second(s)</source>
        <translation>segundo(s)</translation>
    </message>
</context>
<context>
    <name>BoiteValeurText</name>
    <message>
        <source>&amp;Ok</source>
        <translation>&amp;Aceptar</translation>
    </message>
    <message>
        <source>Define grid rotation angle</source>
        <translation>Definir el ángulo de rotación de los ejes</translation>
    </message>
    <message>
        <source>Grid rotation angle in degree(s)</source>
        <translation>Ángulo de rotación de los ejes en grados</translation>
    </message>
    <message>
        <source>-180° &lt;= angle &lt;= +180° trigonometric-wise</source>
        <translation>-180° &lt;= ángulo &lt;= +180° en sentido trigonométrico</translation>
    </message>
    <message>
        <source>Frame rate</source>
        <translation>Frecuencia de fotogramas</translation>
    </message>
    <message>
        <source>Number of frames per second (fps)</source>
        <translation>Número de fotogramas por segundo (fps)</translation>
    </message>
    <message>
        <source>1 fps &lt;= frame rate &lt;= 100 fps</source>
        <translation>1 fps &lt;= frecuencia &lt;= 100 fps</translation>
    </message>
    <message>
        <source>Calibrate a segment</source>
        <translation>Calibrar un segmento</translation>
    </message>
    <message>
        <source>Segment length in meter(s)</source>
        <translation>Longitud del segmento en metros</translation>
    </message>
    <message>
        <source>1 mm &lt; segment length &lt; 15 Tm</source>
        <translation>1 mm &lt; longitud del segmento &lt; 15 Tm</translation>
    </message>
    <message>
        <source>Search radius for target</source>
        <translation>Radio de búsqueda del objeto</translation>
    </message>
    <message>
        <source>Search radius (in pixels)</source>
        <translation>Radio de búsqueda (en píxeles)</translation>
    </message>
    <message>
        <source>Max distance between 2 successive positions of the target, in pixels of the unmodified image</source>
        <translation>Distancia máxima entre 2 posiciones sucesivas del objeto, en píxeles de la imagen sin modificar</translation>
    </message>
    <message>
        <source>%d &lt;= maximum distance &lt;= %d</source>
        <translation>%d &lt;= distancia máxima &lt;= %d</translation>
    </message>
    <message>
        <source>Define last frame number for tracking</source>
        <translation>Definir el número del último fotograma del seguimiento</translation>
    </message>
    <message>
        <source>Number of last frame</source>
        <translation>Número del último fotograma</translation>
    </message>
    <message>
        <source>First frame of the sequence shows the object&apos;s outline</source>
        <translation>El primer fotograma de la secuencia muestra el contorno del objeto</translation>
    </message>
    <message>
        <source>%d &lt;= number &lt;= %d</source>
        <translation>%d &lt;= número &lt;= %d</translation>
    </message>
    <message>
        <source>Draw last marks</source>
        <translation>Dibujar las últimas marcas</translation>
    </message>
    <message>
        <source>Number of marks to draw</source>
        <translation>Número de marcas que dibujar</translation>
    </message>
    <message>
        <source>number &gt;= 1</source>
        <translation>número &gt;= 1</translation>
    </message>
    <message>
        <source>Define number of marks per image</source>
        <translation>Definir el número de marcas por fotograma</translation>
    </message>
    <message>
        <source>Number of marks per image</source>
        <translation>Número de marcas por fotograma</translation>
    </message>
    <message>
        <source>Find an image with its number</source>
        <translation>Buscar un fotograma por su número</translation>
    </message>
    <message>
        <source>New image number</source>
        <translation>Número del nuevo fotograma</translation>
    </message>
    <message>
        <source>Define object number for tracking</source>
        <translation>Definir el número del objeto que seguir</translation>
    </message>
    <message>
        <source>Object number</source>
        <translation>Número del objeto</translation>
    </message>
    <message>
        <source>Tracking can handle 1 object at a time</source>
        <translation>El seguimiento solo puede tratar 1 objeto a la vez</translation>
    </message>
    <message>
        <source>Number of images separating 2 similar marks</source>
        <translation>Número de fotogramas entre 2 marcas semejantes</translation>
    </message>
    <message>
        <source>Number of images for automatic forward</source>
        <translation>Número de fotogramas del avance automático</translation>
    </message>
    <message>
        <source>The next frame is automatically shown after the last mark is set.</source>
        <translation>El fotograma siguiente se muestra automáticamente tras colocar la última marca.</translation>
    </message>
    <message>
        <source>Inputted value:</source>
        <translation>Valor introducido:</translation>
    </message>
    <message>
        <source>This string is not a  suitable real.</source>
        <translation>Esta cadena no es un número real válido.</translation>
    </message>
    <message>
        <source>String must contain a sign (optional), numerals, a decimal separator (optional), then a mantissa (optional).</source>
        <translation>La cadena debe contener un signo (opcional), cifras, un separador decimal (opcional) y luego un exponente (opcional).</translation>
    </message>
    <message>
        <source>Mantissa contains « E » or « e » followed by a sign (facultative) and an integer.</source>
        <translation>El exponente contiene « E » o « e » seguido de un signo (opcional) y de un entero.</translation>
    </message>
    <message>
        <source>This string is not a  suitable integer.</source>
        <translation>Esta cadena no es un número entero válido.</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>m</source>
        <translation>m</translation>
    </message>
    <message>
        <source>Type a value in the given interval:</source>
        <translation>Escriba un valor dentro del intervalo indicado:</translation>
    </message>
</context>
<context>
    <name>CalculatriceText</name>
    <message>
        <source>Previous</source>
        <translation>Anterior</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>Siguiente</translation>
    </message>
    <message>
        <source>Calculator</source>
        <translation>Calculadora</translation>
    </message>
    <message>
        <source>Radians</source>
        <translation>Radianes</translation>
    </message>
    <message>
        <source>Degrees</source>
        <translation>Grados</translation>
    </message>
</context>
<context>
    <name>CaptureText</name>
    <message>
        <source>GStreamer cannot start.</source>
        <translation>GStreamer no puede iniciarse.</translation>
    </message>
    <message>
        <source>The capture pipeline cannot be built.</source>
        <translation>No se puede construir la cadena de captura.</translation>
    </message>
    <message>
        <source>The selected capture device does not respond.</source>
        <translation>El dispositivo de captura seleccionado no responde.</translation>
    </message>
    <message>
        <source>Not enough memory for a picture.</source>
        <translation>No hay memoria suficiente para una imagen.</translation>
    </message>
    <message>
        <source>The camera&apos;s pixel format cannot be converted.</source>
        <translation>No se puede convertir el formato de píxel de la cámara.</translation>
    </message>
    <message>
        <source>The camera sent an incomplete picture.</source>
        <translation>La cámara ha enviado una imagen incompleta.</translation>
    </message>
    <message>
        <source>No Motion JPEG decoder.</source>
        <translation>No hay decodificador Motion JPEG.</translation>
    </message>
    <message>
        <source>The camera sent a damaged picture.</source>
        <translation>La cámara ha enviado una imagen dañada.</translation>
    </message>
    <message>
        <source>Capture setup</source>
        <translation>Configuración de la captura</translation>
    </message>
    <message>
        <source>Choose a capture device:</source>
        <translation>Elija un dispositivo de captura:</translation>
    </message>
    <message>
        <source>The two frameworks (VFW and DirectShow) can be used to control your capture device.</source>
        <translation>Las dos interfaces (VFW y DirectShow) pueden controlar su dispositivo de captura.</translation>
    </message>
    <message>
        <source>The quality of the captured video can depend on this choice.</source>
        <translation>La calidad del vídeo capturado puede depender de esta elección.</translation>
    </message>
    <message>
        <source>Configure</source>
        <translation>Configurar</translation>
    </message>
    <message>
        <source>Compression Codec: %s</source>
        <translation>Códec de compresión: %s</translation>
    </message>
    <message>
        <source>Codecs are not normalized. Evolution is constant and new versions are frequent.</source>
        <translation>Los códecs no están normalizados. Evolucionan sin cesar y salen versiones nuevas a menudo.</translation>
    </message>
    <message>
        <source>Choosing a Codec often requires experimenting.</source>
        <translation>Elegir un códec suele exigir hacer pruebas.</translation>
    </message>
    <message>
        <source>Capture format:</source>
        <translation>Formato de captura:</translation>
    </message>
    <message>
        <source>The size of the images and the number of frames per second are related.</source>
        <translation>El tamaño de las imágenes y el número de fotogramas por segundo están relacionados.</translation>
    </message>
    <message>
        <source>The different pairs of values are required by the capture device driver.</source>
        <translation>El controlador del dispositivo de captura impone los distintos pares de valores.</translation>
    </message>
    <message>
        <source>%1 fps</source>
        <translation>%1 fps</translation>
    </message>
    <message>
        <source>Number of frames per second (fps):</source>
        <translation>Número de fotogramas por segundo (fps):</translation>
    </message>
    <message>
        <source>The requested value will not be fully respected by the capture device.</source>
        <translation>El dispositivo de captura no respetará del todo el valor pedido.</translation>
    </message>
    <message>
        <source>Images of large size and a high number of frames per second are often incompatible.</source>
        <translation>Las imágenes grandes y un número elevado de fotogramas por segundo suelen ser incompatibles.</translation>
    </message>
    <message>
        <source>Start recording after</source>
        <translation>Empezar a grabar tras</translation>
    </message>
    <message>
        <source>Beep</source>
        <translation>Pitido</translation>
    </message>
    <message>
        <source>Recording duration</source>
        <translation>Duración de la grabación</translation>
    </message>
    <message>
        <source>second(s)</source>
        <translation>segundo(s)</translation>
    </message>
    <message>
        <source>Hardware</source>
        <translation>Dispositivo</translation>
    </message>
    <message>
        <source>Compression</source>
        <translation>Compresión</translation>
    </message>
    <message>
        <source>Format</source>
        <translation>Formato</translation>
    </message>
    <message>
        <source>Frame rate</source>
        <translation>Frecuencia</translation>
    </message>
    <message>
        <source>Timer</source>
        <translation>Temporizador</translation>
    </message>
    <message>
        <source>Capture device properties</source>
        <translation>Propiedades del dispositivo de captura</translation>
    </message>
    <message>
        <source>This capture device has no settings of its own.</source>
        <translation>Este dispositivo de captura no tiene ajustes propios.</translation>
    </message>
    <message>
        <source>The size or the frame rate of the video is not valid.</source>
        <translation>El tamaño o la frecuencia de fotogramas del vídeo no es válido.</translation>
    </message>
    <message>
        <source>The disk is full.</source>
        <translation>El disco está lleno.</translation>
    </message>
    <message>
        <source>This FFmpeg has no camera input.</source>
        <translation>Este FFmpeg no tiene entrada de cámara.</translation>
    </message>
    <message>
        <source>Recording will start after %d second(s) </source>
        <translation>La grabación empezará dentro de %d segundo(s) </translation>
    </message>
    <message>
        <source>Number of captured images:</source>
        <translation>Número de fotogramas capturados:</translation>
    </message>
    <message>
        <source>Number of lost images:</source>
        <translation>Número de fotogramas perdidos:</translation>
    </message>
    <message>
        <source>Capture has failed. File has not been saved.</source>
        <translation>La captura ha fallado. No se ha guardado el archivo.</translation>
    </message>
    <message>
        <source>The temporary folder cannot be written.</source>
        <translation>No se puede escribir en la carpeta temporal.</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>The recording has stopped:</source>
        <translation>La grabación se ha detenido:</translation>
    </message>
    <message>
        <source>The file cannot be written.</source>
        <translation>No se puede escribir el archivo.</translation>
    </message>
    <message>
        <source>What was recorded up to there is kept.</source>
        <translation>Se conserva lo grabado hasta ese momento.</translation>
    </message>
    <message>
        <source>A Plug and Play device was disconnected.</source>
        <translation>Se ha desconectado un dispositivo Plug and Play.</translation>
    </message>
    <message>
        <source>A Plug and Play device was reconnected.</source>
        <translation>Se ha vuelto a conectar un dispositivo Plug and Play.</translation>
    </message>
    <message>
        <source>Save video</source>
        <translation>Guardar el vídeo</translation>
    </message>
    <message>
        <source>Video file (*.avi)</source>
        <translation>Archivo de vídeo (*.avi)</translation>
    </message>
    <message>
        <source>A file with this name already exists in the selected directory.</source>
        <translation>Ya existe un archivo con este nombre en la carpeta seleccionada.</translation>
    </message>
    <message>
        <source>Please choose a different file name or directory.</source>
        <translation>Elija otro nombre de archivo u otra carpeta.</translation>
    </message>
    <message>
        <source>The file creation in the selected directory has failed.</source>
        <translation>No se ha podido crear el archivo en la carpeta seleccionada.</translation>
    </message>
    <message>
        <source>Check your access rights to this directory.</source>
        <translation>Compruebe sus permisos de acceso a esta carpeta.</translation>
    </message>
    <message>
        <source>without</source>
        <translation>sin compresión</translation>
    </message>
    <message>
        <source>No capture device found.</source>
        <translation>No se ha encontrado ningún dispositivo de captura.</translation>
    </message>
    <message>
        <source>No capture device selected.</source>
        <translation>No se ha seleccionado ningún dispositivo de captura.</translation>
    </message>
</context>
<context>
    <name>ClavierText</name>
    <message>
        <source>Add</source>
        <translation>Añadir</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Quitar</translation>
    </message>
    <message>
        <source>Favourites</source>
        <translation>Favoritas</translation>
    </message>
    <message>
        <source>History</source>
        <translation>Historial</translation>
    </message>
    <message>
        <source>Formula</source>
        <translation>Fórmula</translation>
    </message>
    <message>
        <source>Comment</source>
        <translation>Comentario</translation>
    </message>
    <message>
        <source>Unit</source>
        <translation>Unidad</translation>
    </message>
    <message>
        <source>Comments and units</source>
        <translation>Comentarios y unidades</translation>
    </message>
    <message>
        <source>Keyboard help</source>
        <translation>Ayuda del teclado</translation>
    </message>
</context>
<context>
    <name>DSPlayText</name>
    <message>
        <source>GStreamer cannot be started.</source>
        <translation>No se puede iniciar GStreamer.</translation>
    </message>
    <message>
        <source>The file does not exist or cannot be reached.</source>
        <translation>El archivo no existe o no se puede acceder a él.</translation>
    </message>
    <message>
        <source>This is a folder, not a video file.</source>
        <translation>Es una carpeta, no un archivo de vídeo.</translation>
    </message>
    <message>
        <source>This is not a video file but a device or a pipe.</source>
        <translation>No es un archivo de vídeo sino un dispositivo o una tubería.</translation>
    </message>
    <message>
        <source>The file is empty.</source>
        <translation>El archivo está vacío.</translation>
    </message>
    <message>
        <source>GStreamer shows the B-frames of this AVI file at the wrong times.</source>
        <translation>GStreamer muestra los fotogramas B de este archivo AVI en instantes erróneos.</translation>
    </message>
    <message>
        <source>The GStreamer elements Kolibra needs are not installed.</source>
        <translation>No están instalados los elementos de GStreamer que necesita Kolibra.</translation>
    </message>
    <message>
        <source>GStreamer cannot read this file.</source>
        <translation>GStreamer no puede leer este archivo.</translation>
    </message>
    <message>
        <source>GStreamer cannot read this file: %1</source>
        <translation>GStreamer no puede leer este archivo: %1</translation>
    </message>
    <message>
        <source>The file holds no video stream.</source>
        <translation>El archivo no contiene ningún flujo de vídeo.</translation>
    </message>
    <message>
        <source>GStreamer has no decoder for the video of this file (%1).</source>
        <translation>GStreamer no tiene decodificador para el vídeo de este archivo (%1).</translation>
    </message>
    <message>
        <source>GStreamer took too long to read this file.</source>
        <translation>GStreamer ha tardado demasiado en leer este archivo.</translation>
    </message>
    <message>
        <source>GStreamer shows wrong frames of MPEG program streams.</source>
        <translation>GStreamer muestra fotogramas erróneos en los flujos de programa MPEG.</translation>
    </message>
    <message>
        <source>GStreamer reads MPEG transport streams too slowly; the FFmpeg reader reads them.</source>
        <translation>GStreamer lee los flujos de transporte MPEG demasiado despacio; los lee el lector FFmpeg.</translation>
    </message>
    <message>
        <source>The first frame of the file cannot be decoded.</source>
        <translation>No se puede decodificar el primer fotograma del archivo.</translation>
    </message>
    <message>
        <source>The frame size of this file cannot be read.</source>
        <translation>No se puede leer el tamaño de fotograma de este archivo.</translation>
    </message>
    <message>
        <source>The frame size %1 x %2 announced by the file is not plausible: the file is damaged.</source>
        <translation>El tamaño de fotograma %1 x %2 que indica el archivo no es verosímil: el archivo está dañado.</translation>
    </message>
    <message>
        <source>The file gives no frame rate.</source>
        <translation>El archivo no indica ninguna frecuencia de fotogramas.</translation>
    </message>
    <message>
        <source>The length of this file cannot be read.</source>
        <translation>No se puede leer la duración de este archivo.</translation>
    </message>
    <message>
        <source>The file holds no frame.</source>
        <translation>El archivo no contiene ningún fotograma.</translation>
    </message>
    <message>
        <source>No file name was given.</source>
        <translation>No se ha indicado ningún nombre de archivo.</translation>
    </message>
</context>
<context>
    <name>DSRecordText</name>
    <message>
        <source>Out of memory.</source>
        <translation>Memoria insuficiente.</translation>
    </message>
    <message>
        <source>A GStreamer element is missing: %1.</source>
        <translation>Falta un elemento de GStreamer: %1.</translation>
    </message>
    <message>
        <source>The encoder cannot be linked to the AVI writer.</source>
        <translation>No se puede enlazar el codificador con el escritor AVI.</translation>
    </message>
    <message>
        <source>The pipeline is not running.</source>
        <translation>La canalización de GStreamer no está en marcha.</translation>
    </message>
    <message>
        <source>Unknown error</source>
        <translation>Error desconocido</translation>
    </message>
    <message>
        <source>The pipeline cannot start.</source>
        <translation>La canalización de GStreamer no puede arrancar.</translation>
    </message>
    <message>
        <source>The pipeline refused a frame.</source>
        <translation>La canalización de GStreamer ha rechazado un fotograma.</translation>
    </message>
    <message>
        <source>The encoder stopped taking frames.</source>
        <translation>El codificador ha dejado de aceptar fotogramas.</translation>
    </message>
    <message>
        <source>The pipeline refused the end of the video.</source>
        <translation>La canalización de GStreamer ha rechazado el final del vídeo.</translation>
    </message>
    <message>
        <source>The video was not completed in time.</source>
        <translation>El vídeo no se ha terminado a tiempo.</translation>
    </message>
    <message>
        <source>The encoder gave out %1 frames of %2.</source>
        <translation>El codificador ha entregado %1 fotogramas de %2.</translation>
    </message>
    <message>
        <source>GStreamer or its AVI writer is not installed.</source>
        <translation>GStreamer o su escritor AVI no está instalado.</translation>
    </message>
    <message>
        <source>No codec is called &quot;%1&quot;.</source>
        <translation>No hay ningún códec llamado &quot;%1&quot;.</translation>
    </message>
</context>
<context>
    <name>FileSearchText</name>
    <message>
        <source>Search a file</source>
        <translation>Buscar un archivo</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>Buscar</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Abrir</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>%1 in %2</source>
        <translation>%1 en %2</translation>
    </message>
    <message>
        <source>No file found.</source>
        <translation>No se ha encontrado ningún archivo.</translation>
    </message>
    <message numerus="yes">
        <source>%n file(s) found.</source>
        <translation>
            <numerusform>%n archivo encontrado.</numerusform>
            <numerusform>%n archivos encontrados.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>Formules</name>
    <message>
        <source>no comment</source>
        <translation>sin comentario</translation>
    </message>
    <message>
        <source>no unit</source>
        <translation>sin unidad</translation>
    </message>
    <message>
        <source>Variable name already in use in a hidden column: %1</source>
        <translation>Nombre de variable ya usado en una columna oculta: %1</translation>
    </message>
    <message>
        <source>A name cannot start with a number and can contain only letters of numbers. Incorrect variable or constant: %1</source>
        <translation>Un nombre no puede empezar por una cifra y solo puede contener letras o cifras. Variable o constante incorrecta: %1</translation>
    </message>
    <message>
        <source>Name already in use (comparison is not case-sensitive). Repeated variable or constant: %1</source>
        <translation>Nombre ya usado (la comparación no distingue mayúsculas y minúsculas). Variable o constante repetida: %1</translation>
    </message>
    <message>
        <source>Identical formulas detected (comparison is not case sensitive): %1.</source>
        <translation>Se han detectado fórmulas idénticas (la comparación no distingue mayúsculas y minúsculas): %1.</translation>
    </message>
    <message>
        <source>The index of a variable or a constant is usually placed into brackets. Unknown index into brackets. Faulty variable or constant: %1</source>
        <translation>El índice de una variable o de una constante suele ir entre corchetes. Índice entre corchetes desconocido. Variable o constante errónea: %1</translation>
    </message>
    <message>
        <source>The calculation unit has detected an error. Process cancelled.</source>
        <translation>La unidad de cálculo ha detectado un error. Operación cancelada.</translation>
    </message>
    <message>
        <source>Name identical to that of a preset variable (comparison is not case-sensitive). Variable: %1</source>
        <translation>Nombre idéntico al de una variable predefinida (la comparación no distingue mayúsculas y minúsculas). Variable: %1</translation>
    </message>
    <message>
        <source>Number is too big or too small</source>
        <translation>Número demasiado grande o demasiado pequeño</translation>
    </message>
    <message>
        <source>No value can be computed (index may be too big). This variable cannot be calculated: %1</source>
        <translation>No se puede calcular ningún valor (quizá el índice es demasiado grande). Esta variable no se puede calcular: %1</translation>
    </message>
    <message>
        <source>Circular definition: these variables or constants are calculated from each other and have no value: %1</source>
        <translation>Definición circular: estas variables o constantes se calculan unas a partir de otras y no tienen valor: %1</translation>
    </message>
    <message>
        <source>String must contain a sign (optional), numerals, a decimal separator (optional), then a mantissa (optional).</source>
        <translation>La cadena debe contener un signo (opcional), cifras, un separador decimal (opcional) y luego un exponente (opcional).</translation>
    </message>
    <message>
        <source>Mantissa contains « E » or « e » followed by a sign (facultative) and an integer.</source>
        <translation>El exponente contiene « E » o « e » seguido de un signo (opcional) y de un entero.</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>Aceptar</translation>
    </message>
</context>
<context>
    <name>GElemText</name>
    <message>
        <source>Circle girth</source>
        <translation>Perímetro del círculo</translation>
    </message>
    <message>
        <source>radius length</source>
        <translation>Longitud del radio</translation>
    </message>
    <message>
        <source>Angle with the horizontal axis</source>
        <translation>Ángulo con el eje horizontal</translation>
    </message>
    <message>
        <source>Ellipse girth</source>
        <translation>Perímetro de la elipse</translation>
    </message>
    <message>
        <source>Length of semi-major axis</source>
        <translation>Longitud del semieje mayor</translation>
    </message>
    <message>
        <source>Length of semi-minor axis</source>
        <translation>Longitud del semieje menor</translation>
    </message>
    <message>
        <source>Segment length</source>
        <translation>Longitud del segmento</translation>
    </message>
    <message>
        <source>Curve length</source>
        <translation>Longitud de la curva</translation>
    </message>
    <message>
        <source>Vector norm</source>
        <translation>Módulo del vector</translation>
    </message>
    <message>
        <source>Acute angle between the lines</source>
        <translation>Ángulo agudo entre las rectas</translation>
    </message>
    <message>
        <source>Arc length</source>
        <translation>Longitud del arco</translation>
    </message>
    <message>
        <source>Angle between radiuses</source>
        <translation>Ángulo entre los radios</translation>
    </message>
    <message>
        <source>infinite</source>
        <translation>infinita</translation>
    </message>
</context>
<context>
    <name>GraphCliText</name>
    <message>
        <source>Unknown view &quot;%1&quot;: time, trajectory, vectors or formulas.</source>
        <translation>Vista desconocida &quot;%1&quot;: time, trajectory, vectors o formulas.</translation>
    </message>
    <message>
        <source>Unknown model &quot;%1&quot;: constant, proportional, affine, exponential, parabola, sine, damped-sine-exp or damped-sine-lin.</source>
        <translation>Modelo desconocido &quot;%1&quot;: constant, proportional, affine, exponential, parabola, sine, damped-sine-exp o damped-sine-lin.</translation>
    </message>
    <message>
        <source>Models are laid over the time and formulas views only.</source>
        <translation>Los modelos solo se superponen en las vistas time y formulas.</translation>
    </message>
    <message>
        <source>The trajectory view takes no --quantity.</source>
        <translation>La vista trajectory no admite --quantity.</translation>
    </message>
    <message>
        <source>The calculation unit has detected an error.</source>
        <translation>La unidad de cálculo ha detectado un error.</translation>
    </message>
    <message>
        <source>No quantity &quot;%1&quot; in the results: X, Y, vx, vy, v, ax, ay, a, O, R or w.</source>
        <translation>No hay ninguna magnitud &quot;%1&quot; en los resultados: X, Y, vx, vy, v, ax, ay, a, O, R o w.</translation>
    </message>
    <message>
        <source>The vectors view shows &quot;v&quot; (velocity) or &quot;a&quot; (acceleration).</source>
        <translation>La vista vectors muestra &quot;v&quot; (velocidad) o &quot;a&quot; (aceleración).</translation>
    </message>
    <message>
        <source>The work file holds no formula to draw.</source>
        <translation>El archivo de trabajo no contiene ninguna fórmula que representar.</translation>
    </message>
    <message>
        <source>No formula named &quot;%1&quot;.</source>
        <translation>No hay ninguna fórmula llamada &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>A model is laid over one curve at a time.</source>
        <translation>Un modelo se superpone a una sola curva cada vez.</translation>
    </message>
    <message>
        <source>The picture is written as a .svg or a .png file.</source>
        <translation>La imagen se escribe como archivo .svg o .png.</translation>
    </message>
</context>
<context>
    <name>GraphText</name>
    <message>
        <source>Pictures are saved as .svg, .png, .bmp or .jpg files.</source>
        <translation>Las imágenes se guardan como archivos .svg, .png, .bmp o .jpg.</translation>
    </message>
    <message>
        <source>Unable to write %1.</source>
        <translation>No se puede escribir %1.</translation>
    </message>
    <message>
        <source>Color</source>
        <translation>cambiar el color</translation>
    </message>
    <message>
        <source>Bend</source>
        <translation>curvar</translation>
    </message>
    <message>
        <source>Create</source>
        <translation>crear</translation>
    </message>
    <message>
        <source>Transform</source>
        <translation>transformar</translation>
    </message>
    <message>
        <source>Move</source>
        <translation>mover</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>copiar</translation>
    </message>
    <message>
        <source>Change direction</source>
        <translation>cambiar el sentido</translation>
    </message>
    <message>
        <source>Modify</source>
        <translation>modificar</translation>
    </message>
    <message>
        <source>Rotate</source>
        <translation>girar</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>borrar</translation>
    </message>
    <message>
        <source>Angle</source>
        <translation>ángulo</translation>
    </message>
    <message>
        <source>Arc</source>
        <translation>arco</translation>
    </message>
    <message>
        <source>Circle</source>
        <translation>círculo</translation>
    </message>
    <message>
        <source>Ellipse</source>
        <translation>elipse</translation>
    </message>
    <message>
        <source>Segment</source>
        <translation>segmento</translation>
    </message>
    <message>
        <source>Curve</source>
        <translation>curva</translation>
    </message>
    <message>
        <source>Vector</source>
        <translation>vector</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Deshacer</translation>
    </message>
    <message>
        <source>|Click on the object or draw round the objects to select them (only the objects entirely contained in your selection zone will be selected)</source>
        <translation>|Haga clic en el objeto o rodee los objetos para seleccionarlos (solo se seleccionan los objetos que quedan enteros dentro de la zona de selección)</translation>
    </message>
    <message>
        <source>|Draw an acute angle defined by 2 straight lines with the mouse</source>
        <translation>|Dibujar con el ratón un ángulo agudo definido por 2 rectas</translation>
    </message>
    <message>
        <source>|Draw an arc with the mouse</source>
        <translation>|Dibujar un arco con el ratón</translation>
    </message>
    <message>
        <source>Draw a circle with the mouse from its center</source>
        <translation>Dibujar un círculo con el ratón a partir de su centro</translation>
    </message>
    <message>
        <source>|Draw an ellipse from its center with the mouse</source>
        <translation>|Dibujar una elipse con el ratón a partir de su centro</translation>
    </message>
    <message>
        <source>|Draw a segment with the mouse</source>
        <translation>|Dibujar un segmento con el ratón</translation>
    </message>
    <message>
        <source>|Left-click = add a control point; double left-click = finish</source>
        <translation>|Clic izquierdo = añadir un punto de control; doble clic izquierdo = terminar</translation>
    </message>
    <message>
        <source>|Draw a vector with the mouse</source>
        <translation>|Dibujar un vector con el ratón</translation>
    </message>
    <message>
        <source>|Curve an arc by grabbing its circumference or its radiuses with the mouse</source>
        <translation>|Curvar un arco tomando con el ratón su circunferencia o sus radios</translation>
    </message>
    <message>
        <source>|The mouse pointer position over the curve determines the parameter which will be modified; press CTRL or ALT at the same time to slow down alteration</source>
        <translation>|La posición del puntero del ratón sobre la curva determina el parámetro que se modifica; pulse CTRL o ALT a la vez para modificarlo más despacio</translation>
    </message>
    <message>
        <source>|Drag an drop the figure with the mouse</source>
        <translation>|Arrastrar y soltar la figura con el ratón</translation>
    </message>
    <message>
        <source>|Mouse pointer coordinates :</source>
        <translation>|Coordenadas del puntero del ratón :</translation>
    </message>
    <message>
        <source>|To select more than 1 objects, keep SHIFT pressed and click each object</source>
        <translation>|Para seleccionar más de 1 objeto, mantenga pulsada MAYÚS y haga clic en cada objeto</translation>
    </message>
    <message>
        <source>|Hover the mouse over the curve to see parameters</source>
        <translation>|Pase el ratón por encima de la curva para ver los parámetros</translation>
    </message>
    <message>
        <source>|Measure an angle or a value with mouse when cursor changes to a cross</source>
        <translation>|Medir un ángulo o un valor con el ratón cuando el cursor se convierte en una cruz</translation>
    </message>
    <message>
        <source>|Left-click = make bigger; right-click = make smaller; press CTRL simultaneously to slow down</source>
        <translation>|Clic izquierdo = ampliar; clic derecho = reducir; pulse CTRL a la vez para ir más despacio</translation>
    </message>
</context>
<context>
    <name>Grid</name>
    <message>
        <source>Grid rotation in the trigonometric direction %s %s %s</source>
        <translation>Rotación de los ejes en sentido trigonométrico %s %s %s</translation>
    </message>
    <message>
        <source>rad</source>
        <translation>rad</translation>
    </message>
</context>
<context>
    <name>KinematicsResultsText</name>
    <message>
        <source>An object has fewer than 3 marks: its velocity and acceleration cannot be calculated.</source>
        <translation>Un objeto tiene menos de 3 marcas: no se pueden calcular su velocidad ni su aceleración.</translation>
    </message>
    <message>
        <source>There is no object to calculate.</source>
        <translation>No hay ningún objeto que calcular.</translation>
    </message>
    <message>
        <source>The scale is not defined: place both ends of the scale and type its length.</source>
        <translation>La escala no está definida: coloque los dos extremos de la escala y escriba su longitud.</translation>
    </message>
    <message>
        <source>No video is open.</source>
        <translation>No hay ningún vídeo abierto.</translation>
    </message>
    <message>
        <source>The interval between 2 frames is zero.</source>
        <translation>El intervalo entre 2 fotogramas es nulo.</translation>
    </message>
    <message>
        <source>Two marked frames fall at the same time.</source>
        <translation>Dos fotogramas marcados caen en el mismo instante.</translation>
    </message>
    <message>
        <source>The times and the positions of an object do not match.</source>
        <translation>Los instantes y las posiciones de un objeto no se corresponden.</translation>
    </message>
    <message>
        <source>Smoothing failed: no curve could be fitted to the marks.</source>
        <translation>El suavizado ha fallado: no se ha podido ajustar ninguna curva a las marcas.</translation>
    </message>
    <message>
        <source>Smoothing failed: fewer than 2 marks to fit.</source>
        <translation>El suavizado ha fallado: hay menos de 2 marcas que ajustar.</translation>
    </message>
    <message>
        <source>Smoothing failed: no coefficient left to fit.</source>
        <translation>El suavizado ha fallado: no queda ningún coeficiente que ajustar.</translation>
    </message>
    <message>
        <source>Smoothing failed: every mark lies at the same time.</source>
        <translation>El suavizado ha fallado: todas las marcas están en el mismo instante.</translation>
    </message>
    <message>
        <source>Calculation error %1.</source>
        <translation>Error de cálculo %1.</translation>
    </message>
    <message>
        <source>The y axis does not point up: the potential energy Ep and the mechanical energy Em are left undefined.</source>
        <translation>El eje y no apunta hacia arriba: la energía potencial Ep y la energía mecánica Em quedan sin definir.</translation>
    </message>
</context>
<context>
    <name>KlbText</name>
    <message>
        <source>Unable to open this video file.</source>
        <translation>No se puede abrir este archivo de vídeo.</translation>
    </message>
    <message>
        <source>Unable to open this work file.</source>
        <translation>No se puede abrir este archivo de trabajo.</translation>
    </message>
    <message>
        <source>Check that it has not been moved.</source>
        <translation>Compruebe que no se ha movido.</translation>
    </message>
    <message>
        <source>This file is too large to be a Kolibra work file.</source>
        <translation>Este archivo es demasiado grande para ser un archivo de trabajo de Kolibra.</translation>
    </message>
    <message>
        <source>Work files are never larger than 128 MiB.</source>
        <translation>Los archivos de trabajo nunca ocupan más de 128 MiB.</translation>
    </message>
    <message>
        <source>Unable to read this work file.</source>
        <translation>No se puede leer este archivo de trabajo.</translation>
    </message>
    <message>
        <source>Check that you may read it.</source>
        <translation>Compruebe que tiene permiso de lectura.</translation>
    </message>
    <message>
        <source>This is not a Kolibra work file: it names no video.</source>
        <translation>No es un archivo de trabajo de Kolibra: no indica ningún vídeo.</translation>
    </message>
    <message>
        <source>Can not open this video file. Possible Problems and suggestions:</source>
        <translation>No se puede abrir este archivo de vídeo. Posibles problemas y sugerencias:</translation>
    </message>
    <message>
        <source>This work file is damaged:</source>
        <translation>Este archivo de trabajo está dañado:</translation>
    </message>
    <message>
        <source>The video has %1 frames, but the work was measured on a video of %2 frames.</source>
        <translation>El vídeo tiene %1 fotogramas, pero las medidas se hicieron sobre un vídeo de %2 fotogramas.</translation>
    </message>
    <message>
        <source>Its video editing is dropped, and the marks past the last frame are removed.</source>
        <translation>Se descarta su edición de vídeo y se eliminan las marcas posteriores al último fotograma.</translation>
    </message>
    <message>
        <source>%1 marks lay on frames the video does not show; they were removed.</source>
        <translation>%1 marcas estaban en fotogramas que el vídeo no muestra; se han eliminado.</translation>
    </message>
</context>
<context>
    <name>KlbVffText</name>
    <message>
        <source>No file name was given.</source>
        <translation>No se ha indicado ningún nombre de archivo.</translation>
    </message>
    <message>
        <source>The file does not exist or cannot be reached.</source>
        <translation>El archivo no existe o no se puede acceder a él.</translation>
    </message>
    <message>
        <source>This is a folder, not a video file.</source>
        <translation>Es una carpeta, no un archivo de vídeo.</translation>
    </message>
    <message>
        <source>This is not a video file but a device or a pipe.</source>
        <translation>No es un archivo de vídeo sino un dispositivo o una tubería.</translation>
    </message>
    <message>
        <source>The file is empty.</source>
        <translation>El archivo está vacío.</translation>
    </message>
    <message>
        <source>FFmpeg does not recognise this file as a video (%1).</source>
        <translation>FFmpeg no reconoce este archivo como un vídeo (%1).</translation>
    </message>
    <message>
        <source>The streams of this file cannot be read (%1).</source>
        <translation>No se pueden leer los flujos de este archivo (%1).</translation>
    </message>
    <message>
        <source>No decoder is available for the video codec &quot;%1&quot; of this file.</source>
        <translation>No hay ningún decodificador disponible para el códec de vídeo &quot;%1&quot; de este archivo.</translation>
    </message>
    <message>
        <source>The file holds no video stream.</source>
        <translation>El archivo no contiene ningún flujo de vídeo.</translation>
    </message>
    <message>
        <source>The frame size announced by the file is missing or not plausible: the file is damaged.</source>
        <translation>El tamaño de fotograma que indica el archivo falta o no es verosímil: el archivo está dañado.</translation>
    </message>
    <message>
        <source>The frame size %1 x %2 announced by the file is not plausible: the file is damaged.</source>
        <translation>El tamaño de fotograma %1 x %2 que indica el archivo no es verosímil: el archivo está dañado.</translation>
    </message>
    <message>
        <source>The file does not give its frame rate.</source>
        <translation>El archivo no indica su frecuencia de fotogramas.</translation>
    </message>
    <message>
        <source>The first frame of the file cannot be decoded.</source>
        <translation>No se puede decodificar el primer fotograma del archivo.</translation>
    </message>
    <message>
        <source>The decoder for the codec &quot;%1&quot; cannot be started (%2).</source>
        <translation>No se puede iniciar el decodificador del códec &quot;%1&quot; (%2).</translation>
    </message>
    <message>
        <source>The video stream holds no picture.</source>
        <translation>El flujo de vídeo no contiene ninguna imagen.</translation>
    </message>
    <message>
        <source>The video stream holds no keyframe to start decoding from.</source>
        <translation>El flujo de vídeo no contiene ningún fotograma clave desde el que empezar a decodificar.</translation>
    </message>
    <message>
        <source>Out of memory.</source>
        <translation>Memoria insuficiente.</translation>
    </message>
    <message>
        <source>The video cannot be positioned on frame %1.</source>
        <translation>No se puede situar el vídeo en el fotograma %1.</translation>
    </message>
    <message>
        <source>Frame %1 cannot be decoded.</source>
        <translation>No se puede decodificar el fotograma %1.</translation>
    </message>
    <message>
        <source>The file ends at frame %1: the frames after it are missing or damaged.</source>
        <translation>El archivo termina en el fotograma %1: los fotogramas siguientes faltan o están dañados.</translation>
    </message>
</context>
<context>
    <name>KolibraCliText</name>
    <message>
        <source>Cannot read %1: %2</source>
        <translation>No se puede leer %1: %2</translation>
    </message>
    <message>
        <source>%1, line %2: expected two numbers separated by a tab (&quot;.&quot; decimals): %3</source>
        <translation>%1, línea %2: se esperaban dos números separados por un tabulador (decimales con &quot;.&quot;): %3</translation>
    </message>
    <message>
        <source>%1 holds no sample.</source>
        <translation>%1 no contiene ninguna muestra.</translation>
    </message>
    <message>
        <source>Unknown model: %1 (constant, proportional, affine, exponential, parabola, sine, damped-sine-exp or damped-sine-lin).</source>
        <translation>Modelo desconocido: %1 (constant, proportional, affine, exponential, parabola, sine, damped-sine-exp o damped-sine-lin).</translation>
    </message>
    <message>
        <source>The frames %1 to %2 are not all in this video (frames 0 to %3).</source>
        <translation>Los fotogramas %1 a %2 no están todos en este vídeo (fotogramas 0 a %3).</translation>
    </message>
    <message>
        <source>Usage: kolibra-cli eval EXPRESSION [--radian]
Evaluates an expression of the formula language without variables; angles are in degrees unless --radian is given.</source>
        <translation>Uso: kolibra-cli eval EXPRESSION [--radian]
Evalúa una expresión del lenguaje de fórmulas sin variables; los ángulos están en grados salvo si se indica --radian.</translation>
    </message>
    <message>
        <source>The results of the measurement on the layer.</source>
        <translation>Los resultados de la medida sobre el calco.</translation>
    </message>
    <message>
        <source>tsv (the datasheet&apos;s text form, by default), csv or json.</source>
        <translation>tsv (la forma de texto de la tabla de datos, por defecto), csv o json.</translation>
    </message>
    <message>
        <source>The mass of an object in kilograms, for this run (may be repeated).</source>
        <translation>La masa de un objeto en kilogramos, para esta ejecución (puede repetirse).</translation>
    </message>
    <message>
        <source>Usage: kolibra-cli results WORK.klb [--layer] [--format tsv|csv|json] [--mass NAME=KG]...</source>
        <translation>Uso: kolibra-cli results WORK.klb [--layer] [--format tsv|csv|json] [--mass NAME=KG]...</translation>
    </message>
    <message>
        <source>--format must be tsv, csv or json: %1</source>
        <translation>--format debe ser tsv, csv o json: %1</translation>
    </message>
    <message>
        <source>--mass must be NAME=KG with a mass above zero in kilograms: %1</source>
        <translation>--mass debe ser NAME=KG con una masa mayor que cero en kilogramos: %1</translation>
    </message>
    <message>
        <source>Usage: kolibra-cli resave IN.klb OUT.klb</source>
        <translation>Uso: kolibra-cli resave IN.klb OUT.klb</translation>
    </message>
    <message>
        <source>Usage: kolibra-cli calibrate WORK.klb OUT.klb --plane X1,Y1;X2,Y2;X3,Y3;X4,Y4 --size W,H [--lens K1[,K2]] [--focal F] [--centre CX,CY] [--straight X,Y;X,Y;...]... [--checkerboard COLSxROWS]</source>
        <translation>Uso: kolibra-cli calibrate WORK.klb OUT.klb --plane X1,Y1;X2,Y2;X3,Y3;X4,Y4 --size W,H [--lens K1[,K2]] [--focal F] [--centre CX,CY] [--straight X,Y;X,Y;...]... [--checkerboard COLSxROWS]</translation>
    </message>
    <message>
        <source>The corners of a rectangle in the plane of the motion, in picture pixels, in the order (0,0), (W,0), (W,H), (0,H).</source>
        <translation>Las esquinas de un rectángulo situado en el plano del movimiento, en píxeles de la imagen, en el orden (0,0), (W,0), (W,H), (0,H).</translation>
    </message>
    <message>
        <source>The rectangle&apos;s width and height in metres.</source>
        <translation>La anchura y la altura del rectángulo en metros.</translation>
    </message>
    <message>
        <source>The lens&apos;s radial coefficients.</source>
        <translation>Los coeficientes radiales del objetivo.</translation>
    </message>
    <message>
        <source>The focal length in pixels (the picture&apos;s width by default).</source>
        <translation>La distancia focal en píxeles (por defecto, la anchura de la imagen).</translation>
    </message>
    <message>
        <source>The lens&apos;s centre in pixels (the picture&apos;s centre by default).</source>
        <translation>El centro del objetivo en píxeles (por defecto, el centro de la imagen).</translation>
    </message>
    <message>
        <source>A line straight in reality, to fit the lens from (may be repeated).</source>
        <translation>Una línea recta en la realidad, para ajustar el objetivo (puede repetirse).</translation>
    </message>
    <message>
        <source>A printed checkerboard filmed in the video, by its inner corners, to fit the lens from.</source>
        <translation>Un damero impreso filmado en el vídeo, dado por sus esquinas interiores, para ajustar el objetivo.</translation>
    </message>
    <message>
        <source>--plane must be four corners X1,Y1;X2,Y2;X3,Y3;X4,Y4 in picture pixels: %1</source>
        <translation>--plane debe ser cuatro esquinas X1,Y1;X2,Y2;X3,Y3;X4,Y4 en píxeles de la imagen: %1</translation>
    </message>
    <message>
        <source>--size must be W,H in metres: %1</source>
        <translation>--size debe ser W,H en metros: %1</translation>
    </message>
    <message>
        <source>--lens must be K1 or K1,K2: %1</source>
        <translation>--lens debe ser K1 o K1,K2: %1</translation>
    </message>
    <message>
        <source>--focal must be a length in pixels above zero: %1</source>
        <translation>--focal debe ser una longitud en píxeles mayor que cero: %1</translation>
    </message>
    <message>
        <source>--centre must be CX,CY in picture pixels: %1</source>
        <translation>--centre debe ser CX,CY en píxeles de la imagen: %1</translation>
    </message>
    <message>
        <source>--straight must be at least three points X,Y;X,Y;X,Y in picture pixels: %1</source>
        <translation>--straight debe ser al menos tres puntos X,Y;X,Y;X,Y en píxeles de la imagen: %1</translation>
    </message>
    <message>
        <source>--checkerboard must be the board&apos;s inner corners COLSxROWS, at least 3x3: %1</source>
        <translation>--checkerboard debe ser las esquinas interiores del damero COLSxROWS, al menos 3x3: %1</translation>
    </message>
    <message>
        <source>One line per recovery file: path, video, saved_at, marks, state.</source>
        <translation>Una línea por archivo de recuperación: path, video, saved_at, marks, state.</translation>
    </message>
    <message>
        <source>Usage: kolibra-cli recover --list</source>
        <translation>Uso: kolibra-cli recover --list</translation>
    </message>
    <message>
        <source>Unknown framework: %1 (vfw, ds or ffmpeg).</source>
        <translation>Interfaz desconocida: %1 (vfw, ds o ffmpeg).</translation>
    </message>
    <message>
        <source>The quality is a percentage from 10 to 100: %1</source>
        <translation>La calidad es un porcentaje de 10 a 100: %1</translation>
    </message>
    <message>
        <source>The rate must be a number of frames per second above 0: %1</source>
        <translation>La frecuencia debe ser un número de fotogramas por segundo mayor que 0: %1</translation>
    </message>
    <message>
        <source>Write with vfw, ds or ffmpeg (vfw by default).</source>
        <translation>Escribir con vfw, ds o ffmpeg (vfw por defecto).</translation>
    </message>
    <message>
        <source>A codec name as kolibra-cli codecs lists it.</source>
        <translation>Un nombre de códec tal como lo lista kolibra-cli codecs.</translation>
    </message>
    <message>
        <source>Compression quality in percent (10 to 100).</source>
        <translation>Calidad de compresión en porcentaje (10 a 100).</translation>
    </message>
    <message>
        <source>Frames per second written.</source>
        <translation>Fotogramas por segundo escritos.</translation>
    </message>
    <message>
        <source>The frame size of the video, WIDTHxHEIGHT.</source>
        <translation>El tamaño de fotograma del vídeo, WIDTHxHEIGHT.</translation>
    </message>
    <message>
        <source>Usage: kolibra-cli codecs --size WxH [--framework vfw|ds|ffmpeg]</source>
        <translation>Uso: kolibra-cli codecs --size WxH [--framework vfw|ds|ffmpeg]</translation>
    </message>
    <message>
        <source>The size must be WIDTHxHEIGHT in pixels, such as 640x480: %1</source>
        <translation>El tamaño debe ser WIDTHxHEIGHT en píxeles, por ejemplo 640x480: %1</translation>
    </message>
    <message>
        <source>Resize the frames to WIDTHxHEIGHT.</source>
        <translation>Redimensionar los fotogramas a WIDTHxHEIGHT.</translation>
    </message>
    <message>
        <source>Keep the part X,Y,WIDTH,HEIGHT of the frames.</source>
        <translation>Conservar la parte X,Y,WIDTH,HEIGHT de los fotogramas.</translation>
    </message>
    <message>
        <source>Grey frames for the montage&apos;s missing frames.</source>
        <translation>Fotogramas grises en lugar de los fotogramas que faltan en el montaje.</translation>
    </message>
    <message>
        <source>Usage: kolibra-cli write SRC OUT.avi [--framework vfw|ds|ffmpeg] [--codec NAME] [--quality P] [--size WxH | --crop X,Y,W,H] [--rate R] [--blanks]</source>
        <translation>Uso: kolibra-cli write SRC OUT.avi [--framework vfw|ds|ffmpeg] [--codec NAME] [--quality P] [--size WxH | --crop X,Y,W,H] [--rate R] [--blanks]</translation>
    </message>
    <message>
        <source>Choose --size or --crop, not both.</source>
        <translation>Elija --size o --crop, no ambos.</translation>
    </message>
    <message>
        <source>The crop must be X,Y,WIDTH,HEIGHT in pixels, such as 10,0,320,240: %1</source>
        <translation>El recorte debe ser X,Y,WIDTH,HEIGHT en píxeles, por ejemplo 10,0,320,240: %1</translation>
    </message>
    <message>
        <source>Usage: kolibra-cli stills SRC BASE</source>
        <translation>Uso: kolibra-cli stills SRC BASE</translation>
    </message>
    <message>
        <source>Usage: kolibra-cli assemble OUT.avi --rate R IMAGES... [--framework vfw|ds|ffmpeg] [--codec NAME] [--quality P]</source>
        <translation>Uso: kolibra-cli assemble OUT.avi --rate R IMAGES... [--framework vfw|ds|ffmpeg] [--codec NAME] [--quality P]</translation>
    </message>
    <message>
        <source>Usage: kolibra-cli export WORK.klb OUT.txt|OUT.csv|OUT.json|OUT.ipynb|OUT.xlsx|OUT.ods</source>
        <translation>Uso: kolibra-cli export WORK.klb OUT.txt|OUT.csv|OUT.json|OUT.ipynb|OUT.xlsx|OUT.ods</translation>
    </message>
    <message>
        <source>Cut a disc of radius R frame pixels round (X, Y) on frame F.</source>
        <translation>Recortar un disco de radio R píxeles de fotograma alrededor de (X, Y) en el fotograma F.</translation>
    </message>
    <message>
        <source>Paste on the first circle&apos;s frame instead of a white page.</source>
        <translation>Pegar sobre el fotograma del primer círculo en lugar de sobre una página en blanco.</translation>
    </message>
    <message>
        <source>A circle is FRAME:X,Y,RADIUS with numbers: %1</source>
        <translation>Un círculo se escribe FRAME:X,Y,RADIUS con números: %1</translation>
    </message>
    <message>
        <source>Read with vfw, ds or ffmpeg alone, instead of Kolibra&apos;s choice.</source>
        <translation>Leer solo con vfw, ds o ffmpeg, en lugar de dejar elegir a Kolibra.</translation>
    </message>
    <message>
        <source>Usage: kolibra-cli info FILE [--framework vfw|ds|ffmpeg]</source>
        <translation>Uso: kolibra-cli info FILE [--framework vfw|ds|ffmpeg]</translation>
    </message>
    <message>
        <source>Usage: kolibra-cli times VIDEO [--framework vfw|ds|ffmpeg]</source>
        <translation>Uso: kolibra-cli times VIDEO [--framework vfw|ds|ffmpeg]</translation>
    </message>
    <message>
        <source>Usage: kolibra-cli frame FILE INDEX OUT.png [--framework vfw|ds|ffmpeg]</source>
        <translation>Uso: kolibra-cli frame FILE INDEX OUT.png [--framework vfw|ds|ffmpeg]</translation>
    </message>
    <message>
        <source>INDEX must be a whole number: %1</source>
        <translation>INDEX debe ser un número entero: %1</translation>
    </message>
    <message>
        <source>time, trajectory, vectors or formulas.</source>
        <translation>time, trajectory, vectors o formulas.</translation>
    </message>
    <message>
        <source>VIEW</source>
        <translation>VIEW</translation>
    </message>
    <message>
        <source>What the view shows.</source>
        <translation>Lo que muestra la vista.</translation>
    </message>
    <message>
        <source>SYMBOL</source>
        <translation>SYMBOL</translation>
    </message>
    <message>
        <source>A model laid over the curve.</source>
        <translation>Un modelo superpuesto a la curva.</translation>
    </message>
    <message>
        <source>NAME</source>
        <translation>NAME</translation>
    </message>
    <message>
        <source>The picture&apos;s size in pixels.</source>
        <translation>El tamaño de la imagen en píxeles.</translation>
    </message>
    <message>
        <source>WxH</source>
        <translation>WxH</translation>
    </message>
    <message>
        <source>Usage: kolibra-cli graph WORK.klb OUT.svg|OUT.png [--view time|trajectory|vectors|formulas] [--quantity SYMBOL] [--model NAME] [--size WxH]</source>
        <translation>Uso: kolibra-cli graph WORK.klb OUT.svg|OUT.png [--view time|trajectory|vectors|formulas] [--quantity SYMBOL] [--model NAME] [--size WxH]</translation>
    </message>
    <message>
        <source>The size is written WxH, each between 200 and 8000 pixels: %1</source>
        <translation>El tamaño se escribe WxH, cada valor entre 200 y 8000 píxeles: %1</translation>
    </message>
    <message>
        <source>--%1 must be a whole number from %2 to %3: %4</source>
        <translation>--%1 debe ser un número entero de %2 a %3: %4</translation>
    </message>
    <message>
        <source>Usage: kolibra-cli track VIDEO (--circle X,Y,R | --polygon X1,Y1;X2,Y2;...)... [--from F] [--to L] [--step K] [--radius R] [--ignore POLYGON]... [--framework vfw|ds|ffmpeg]</source>
        <translation>Uso: kolibra-cli track VIDEO (--circle X,Y,R | --polygon X1,Y1;X2,Y2;...)... [--from F] [--to L] [--step K] [--radius R] [--ignore POLYGON]... [--framework vfw|ds|ffmpeg]</translation>
    </message>
    <message>
        <source>An object to follow: a circle in frame pixels (may be repeated).</source>
        <translation>Un objeto que seguir: un círculo en píxeles de fotograma (puede repetirse).</translation>
    </message>
    <message>
        <source>An object to follow: a polygon in frame pixels (may be repeated).</source>
        <translation>Un objeto que seguir: un polígono en píxeles de fotograma (puede repetirse).</translation>
    </message>
    <message>
        <source>The frame the outline is on (0 by default).</source>
        <translation>El fotograma en el que está el contorno (0 por defecto).</translation>
    </message>
    <message>
        <source>The last frame to track (the video&apos;s last by default).</source>
        <translation>El último fotograma que seguir (por defecto, el último del vídeo).</translation>
    </message>
    <message>
        <source>Frames between two tracked frames (1 by default).</source>
        <translation>Fotogramas entre dos fotogramas seguidos (1 por defecto).</translation>
    </message>
    <message>
        <source>Search radius in pixels, 10 to 100 (40 by default).</source>
        <translation>Radio de búsqueda en píxeles, de 10 a 100 (40 por defecto).</translation>
    </message>
    <message>
        <source>A zone to ignore: a polygon in frame pixels.</source>
        <translation>Una zona excluida: un polígono en píxeles de fotograma.</translation>
    </message>
    <message>
        <source>--circle must be X,Y,R in frame pixels with R at least 1: %1</source>
        <translation>--circle debe ser X,Y,R en píxeles de fotograma con R al menos 1: %1</translation>
    </message>
    <message>
        <source>--polygon must be at least three points X1,Y1;X2,Y2;X3,Y3 in frame pixels: %1</source>
        <translation>--polygon debe ser al menos tres puntos X1,Y1;X2,Y2;X3,Y3 en píxeles de fotograma: %1</translation>
    </message>
    <message>
        <source>--ignore must be at least three points X1,Y1;X2,Y2;X3,Y3 in frame pixels: %1</source>
        <translation>--ignore debe ser al menos tres puntos X1,Y1;X2,Y2;X3,Y3 en píxeles de fotograma: %1</translation>
    </message>
    <message>
        <source>Usage: kolibra-cli print WORK.klb OUT.pdf [--view time|trajectory|vectors] [--template top|full] [--double] [--title TEXT]</source>
        <translation>Uso: kolibra-cli print WORK.klb OUT.pdf [--view time|trajectory|vectors] [--template top|full] [--double] [--title TEXT]</translation>
    </message>
    <message>
        <source>The results view to print.</source>
        <translation>La vista de resultados que imprimir.</translation>
    </message>
    <message>
        <source>The page template.</source>
        <translation>La plantilla de página.</translation>
    </message>
    <message>
        <source>The graph twice on the sheet.</source>
        <translation>El gráfico dos veces en la hoja.</translation>
    </message>
    <message>
        <source>The title printed as the header.</source>
        <translation>El título impreso como encabezado.</translation>
    </message>
    <message>
        <source>--view must be time, trajectory or vectors: %1</source>
        <translation>--view debe ser time, trajectory o vectors: %1</translation>
    </message>
    <message>
        <source>--template must be top or full: %1</source>
        <translation>--template debe ser top o full: %1</translation>
    </message>
    <message>
        <source>Usage: kolibra-cli COMMAND ARGUMENTS... Kolibra&apos;s engines for scripts and batch work.</source>
        <translation>Uso: kolibra-cli COMMAND ARGUMENTS... Los motores de Kolibra para scripts y trabajos por lotes.</translation>
    </message>
    <message>
        <source>Unknown command: %1</source>
        <translation>Orden desconocida: %1</translation>
    </message>
    <message>
        <source>The camera, as listed (&quot;Kolibra test pattern&quot; always is).</source>
        <translation>La cámara, tal como aparece en la lista (&quot;Kolibra test pattern&quot; siempre aparece).</translation>
    </message>
    <message>
        <source>0: libavdevice, 1: GStreamer.</source>
        <translation>0: libavdevice, 1: GStreamer.</translation>
    </message>
    <message>
        <source>The picture size.</source>
        <translation>El tamaño de la imagen.</translation>
    </message>
    <message>
        <source>Frames per second.</source>
        <translation>Fotogramas por segundo.</translation>
    </message>
    <message>
        <source>without, &quot;Motion JPEG&quot; or FFV1.</source>
        <translation>without, &quot;Motion JPEG&quot; o FFV1.</translation>
    </message>
    <message>
        <source>Seconds before recording starts.</source>
        <translation>Segundos antes de que empiece la grabación.</translation>
    </message>
    <message>
        <source>Seconds recorded.</source>
        <translation>Segundos grabados.</translation>
    </message>
    <message>
        <source>Usage: kolibra-cli fit MODEL DATA.tsv [--from T1] [--to T2]
MODEL: constant, proportional, affine, exponential, parabola, sine, damped-sine-exp, damped-sine-lin. DATA.tsv: two tab-separated columns, t and the value (&quot;.&quot; decimals).</source>
        <translation>Uso: kolibra-cli fit MODEL DATA.tsv [--from T1] [--to T2]
MODEL: constant, proportional, affine, exponential, parabola, sine, damped-sine-exp, damped-sine-lin. DATA.tsv: dos columnas separadas por tabuladores, t y el valor (decimales con &quot;.&quot;).</translation>
    </message>
    <message>
        <source>--%1 needs a number (&quot;.&quot; decimals): %2</source>
        <translation>--%1 necesita un número (decimales con &quot;.&quot;): %2</translation>
    </message>
    <message>
        <source>First abscissa fitted.</source>
        <translation>Primera abscisa ajustada.</translation>
    </message>
    <message>
        <source>Last abscissa fitted.</source>
        <translation>Última abscisa ajustada.</translation>
    </message>
    <message>
        <source>A file with this name already exists; nothing was recorded.</source>
        <translation>Ya existe un archivo con este nombre; no se ha grabado nada.</translation>
    </message>
    <message>
        <source>The duration must be at least 1 second, the delay not negative.</source>
        <translation>La duración debe ser de al menos 1 segundo y el retardo no puede ser negativo.</translation>
    </message>
    <message>
        <source>No capture device &quot;%1&quot;. The devices are:</source>
        <translation>No hay ningún dispositivo de captura &quot;%1&quot;. Los dispositivos son:</translation>
    </message>
    <message>
        <source>A format is WIDTHxHEIGHT: %1</source>
        <translation>Un formato se escribe WIDTHxHEIGHT: %1</translation>
    </message>
    <message>
        <source>The device has no such format. Its formats are:</source>
        <translation>El dispositivo no tiene ese formato. Sus formatos son:</translation>
    </message>
    <message>
        <source>Unknown codec: %1 (%2).</source>
        <translation>Códec desconocido: %1 (%2).</translation>
    </message>
</context>
<context>
    <name>KolibraText</name>
    <message>
        <source>Teaching mechanics from video.</source>
        <translation>Enseñar mecánica a partir del vídeo.</translation>
    </message>
    <message>
        <source>A video, or a work file (.klb), to open instead of a sample video.</source>
        <translation>Un vídeo, o un archivo de trabajo (.klb), que abrir en lugar de un vídeo de ejemplo.</translation>
    </message>
</context>
<context>
    <name>MainFormText</name>
    <message>
        <source>Ok</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Backup file creation has failed.</source>
        <translation>No se ha podido crear el archivo de copia de seguridad.</translation>
    </message>
    <message>
        <source>Some functions will not be available.</source>
        <translation>Algunas funciones no estarán disponibles.</translation>
    </message>
    <message>
        <source>Welcome to Kolibra: mechanics from video.</source>
        <translation>Bienvenido a Kolibra: la mecánica a partir del vídeo.</translation>
    </message>
    <message>
        <source>Calibrate the scale, place the axes, then click on the moving object in each frame.</source>
        <translation>Calibre la escala, coloque los ejes y luego haga clic sobre el objeto en movimiento en cada fotograma.</translation>
    </message>
    <message>
        <source>Another video opens with « File » › « Open video... » (Ctrl+O).</source>
        <translation>Para abrir otro vídeo: « Archivo » › « Abrir vídeo... » (Ctrl+O).</translation>
    </message>
    <message>
        <source>Unable to write video file on disk</source>
        <translation>No se puede escribir el archivo de vídeo en el disco</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Guardar</translation>
    </message>
    <message>
        <source>Save project to file</source>
        <translation>Guardar el proyecto en un archivo</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Salir</translation>
    </message>
    <message>
        <source>Cancel closing</source>
        <translation>Cancelar el cierre</translation>
    </message>
    <message>
        <source>Exit program now</source>
        <translation>Salir ahora del programa</translation>
    </message>
    <message>
        <source>Ignore</source>
        <translation>Ignorar</translation>
    </message>
    <message>
        <source>Cancel opening</source>
        <translation>Cancelar la apertura</translation>
    </message>
    <message>
        <source>Ignore saving and continue</source>
        <translation>Continuar sin guardar</translation>
    </message>
    <message>
        <source>Unable to open this video file.</source>
        <translation>No se puede abrir este archivo de vídeo.</translation>
    </message>
    <message>
        <source>Check that it has not been moved.</source>
        <translation>Compruebe que no se ha movido.</translation>
    </message>
    <message>
        <source>Can not open this video file. Possible Problems and suggestions:</source>
        <translation>No se puede abrir este archivo de vídeo. Posibles problemas y sugerencias:</translation>
    </message>
    <message>
        <source>The frames of this video do not all last the same time.</source>
        <translation>Los fotogramas de este vídeo no duran todos lo mismo.</translation>
    </message>
    <message>
        <source>Each frame&apos;s time is the one the video gives it (its time stamp);</source>
        <translation>El instante de cada fotograma es el que le da el vídeo (su marca de tiempo);</translation>
    </message>
    <message>
        <source>the command « Time between two frames » of the « Measurements » menu can set a regular interval instead.</source>
        <translation>la orden « Tiempo entre dos fotogramas » del menú « Medidas » permite fijar en su lugar un intervalo regular.</translation>
    </message>
    <message>
        <source>Times are computed from the mean interval between two frames,</source>
        <translation>Los instantes se calculan a partir del intervalo medio entre dos fotogramas,</translation>
    </message>
    <message>
        <source>which the command « Time between two frames » of the « Measurements » menu sets.</source>
        <translation>que se fija con la orden « Tiempo entre dos fotogramas » del menú « Medidas ».</translation>
    </message>
    <message>
        <source>Its true interval between two frames is T = %1 s.</source>
        <translation>Su intervalo real entre dos fotogramas es T = %1 s.</translation>
    </message>
    <message>
        <source>Use T = %1 s</source>
        <translation>Usar T = %1 s</translation>
    </message>
    <message>
        <source>Keep T = %1 s</source>
        <translation>Mantener T = %1 s</translation>
    </message>
    <message>
        <source>Manual marking|Set one or several marks and the video automatically moves forward</source>
        <translation>Marcado manual|Coloque una o varias marcas y el vídeo avanza automáticamente</translation>
    </message>
    <message>
        <source>Layer|Simulate a tracing paper sheet. Its middle and its two perpendicular axes form a grid</source>
        <translation>Calco|Simula una hoja de papel de calco. Su centro y sus dos ejes perpendiculares forman un sistema de ejes</translation>
    </message>
    <message>
        <source>Automatic marking|Draw, by hand, the outline of an object in a video frame and the software looks for the object in the following frames</source>
        <translation>Marcado automático|Dibuje a mano el contorno de un objeto en un fotograma y el programa busca el objeto en los fotogramas siguientes</translation>
    </message>
    <message>
        <source>Video studio|Make a chronophotography, convert vidéo to still images or still images to video</source>
        <translation>Estudio de vídeo|Hacer una cronofotografía, convertir un vídeo en imágenes fijas o imágenes fijas en un vídeo</translation>
    </message>
    <message>
        <source>Video editing|Delete the repeated frames or change the duration between the preceding and the following frames</source>
        <translation>Edición de vídeo|Eliminar los fotogramas repetidos o cambiar la duración entre el fotograma anterior y el siguiente</translation>
    </message>
    <message>
        <source>Video capture</source>
        <translation>Captura de vídeo</translation>
    </message>
    <message>
        <source>Zoom in or out|Place the mouse over the zone you wish to zoom in or out of</source>
        <translation>Ampliar o reducir|Sitúe el ratón sobre la zona que desea ampliar o reducir</translation>
    </message>
    <message>
        <source>Pan image|Image zoom factor must be greater than 100%</source>
        <translation>Desplazar la imagen|El factor de zoom de la imagen debe ser mayor que 100 %</translation>
    </message>
    <message>
        <source>Define scale|Calibrate image dimensions using the distance between 2 points.</source>
        <translation>Definir la escala|Calibrar las dimensiones de la imagen con la distancia entre 2 puntos.</translation>
    </message>
    <message>
        <source>Define horizontal scale|Calibrate image dimensions using the distance between 2 points.</source>
        <translation>Definir la escala horizontal|Calibrar las dimensiones de la imagen con la distancia entre 2 puntos.</translation>
    </message>
    <message>
        <source>Define vertical scale|Calibrate image dimensions using the distance between 2 points.</source>
        <translation>Definir la escala vertical|Calibrar las dimensiones de la imagen con la distancia entre 2 puntos.</translation>
    </message>
    <message>
        <source>Calibrate a plane seen at an angle|Click the four corners of a rectangle of known size lying in the plane of the motion, then type its width and height</source>
        <translation>Calibrar un plano visto en perspectiva|Haga clic en las cuatro esquinas de un rectángulo de tamaño conocido situado en el plano del movimiento y escriba su anchura y su altura</translation>
    </message>
    <message>
        <source>Straighten the lens|Trace lines that are straight in reality (a door frame, a ruler, a board&apos;s edge): a few clicks along each, right-click to end it</source>
        <translation>Corregir el objetivo|Trace líneas que son rectas en la realidad (el marco de una puerta, una regla, el borde de una pizarra): unos clics a lo largo de cada una, clic derecho para terminarla</translation>
    </message>
    <message>
        <source>Choose, move or rotate a reference frame|Define the origin of a cartesian reference frame. Coordinates depend on this choice.</source>
        <translation>Elegir, mover o girar un sistema de referencia|Define el origen de un sistema de referencia cartesiano. Las coordenadas dependen de esta elección.</translation>
    </message>
    <message>
        <source>Set marks on the trajectory|Plot the successive positions of a projectile. The video moves forward automatically.</source>
        <translation>Colocar marcas en la trayectoria|Señale las posiciones sucesivas de un proyectil. El vídeo avanza automáticamente.</translation>
    </message>
    <message>
        <source>Use a layer|Use a layer to illustrate the notion of reference frame</source>
        <translation>Usar un calco|Use un calco para ilustrar la noción de sistema de referencia</translation>
    </message>
    <message>
        <source>Move a mark|Move a mark with the mouse</source>
        <translation>Mover una marca|Mover una marca con el ratón</translation>
    </message>
    <message>
        <source>Erase marks|Erase a mark; erase the marks in a rectangular zone; erase the marks of an image</source>
        <translation>Borrar marcas|Borrar una marca; borrar las marcas de una zona rectangular; borrar las marcas de un fotograma</translation>
    </message>
    <message>
        <source>Name objects|Name plotted objects</source>
        <translation>Nombrar los objetos|Dar nombre a los objetos marcados</translation>
    </message>
    <message>
        <source>Draw the outline of an object (chronophotography)|Define the position of an object on the chronophotography corresponding to the current video frame</source>
        <translation>Dibujar el contorno de un objeto (cronofotografía)|Define la posición de un objeto en la cronofotografía correspondiente al fotograma actual del vídeo</translation>
    </message>
    <message>
        <source>Erase outlines (chronophotography)|Erase an outline ; erase outlines in a rectangular area ; erase the outline on the current video frame</source>
        <translation>Borrar contornos (cronofotografía)|Borrar un contorno; borrar los contornos de una zona rectangular; borrar el contorno del fotograma actual</translation>
    </message>
    <message>
        <source>Save composite image to file (chronophotography)|Combine images of an object at different positions on a background image then save it to file</source>
        <translation>Guardar la imagen compuesta en un archivo (cronofotografía)|Combina imágenes de un objeto en distintas posiciones sobre una imagen de fondo y la guarda en un archivo</translation>
    </message>
    <message>
        <source>Convert current video frame to still image</source>
        <translation>Convertir el fotograma actual en imagen fija</translation>
    </message>
    <message>
        <source>Convert video to still images|Video frames hidden during editing will not be converted into still images</source>
        <translation>Convertir el vídeo en imágenes fijas|Los fotogramas ocultos durante la edición no se convertirán en imágenes fijas</translation>
    </message>
    <message>
        <source>Convert still images to video</source>
        <translation>Convertir imágenes fijas en vídeo</translation>
    </message>
    <message>
        <source>Show or hide frame|A frame appearing in negative will not be visible after leaving video edit mode</source>
        <translation>Mostrar u ocultar el fotograma|Un fotograma que aparece en negativo no será visible al salir del modo de edición de vídeo</translation>
    </message>
    <message>
        <source>Show or hide a series of frames|The images appearing in negative will not be visible after leaving video edit mode</source>
        <translation>Mostrar u ocultar una serie de fotogramas|Los fotogramas que aparecen en negativo no serán visibles al salir del modo de edición de vídeo</translation>
    </message>
    <message>
        <source>Modify frame time|A frame is missing in the video stream, you need to change the duration between the preceding and following frames</source>
        <translation>Modificar el instante del fotograma|Falta un fotograma en el flujo de vídeo: hay que cambiar la duración entre el fotograma anterior y el siguiente</translation>
    </message>
    <message>
        <source>Save edited video|Export edited video to file</source>
        <translation>Guardar el vídeo editado|Exportar el vídeo editado a un archivo</translation>
    </message>
    <message>
        <source>Choose capture device</source>
        <translation>Elegir el dispositivo de captura</translation>
    </message>
    <message>
        <source>Capture device properties |Shutter speed, luminance, contrast...</source>
        <translation>Propiedades del dispositivo de captura |Velocidad de obturación, luminancia, contraste...</translation>
    </message>
    <message>
        <source>Capture format |Width and height of image in pixels</source>
        <translation>Formato de captura |Anchura y altura de la imagen en píxeles</translation>
    </message>
    <message>
        <source>Frame rate|Number of images per second</source>
        <translation>Frecuencia de fotogramas|Número de fotogramas por segundo</translation>
    </message>
    <message>
        <source>Choose a compression Codec</source>
        <translation>Elegir un códec de compresión</translation>
    </message>
    <message>
        <source>Recording delay and duration</source>
        <translation>Retardo y duración de la grabación</translation>
    </message>
    <message>
        <source>Start or stop recording|On the fly compression requires more hardware resources</source>
        <translation>Iniciar o detener la grabación|La compresión al vuelo exige más recursos del equipo</translation>
    </message>
    <message>
        <source>Draw the outline of an object|Draws the oultine of the tracked object on the image. This frame will be the first in the sequence</source>
        <translation>Dibujar el contorno de un objeto|Dibuja en la imagen el contorno del objeto que se sigue. Este fotograma será el primero de la secuencia</translation>
    </message>
    <message>
        <source>Draw the area to ignore|Background rectangular zone to ignore because is has the same color of the tracked object</source>
        <translation>Dibujar la zona excluida|Zona rectangular del fondo que se ignora porque tiene el mismo color que el objeto seguido</translation>
    </message>
    <message>
        <source>Delete the object&apos;s outline|Delete the object&apos;s outline without affecting past trackings</source>
        <translation>Borrar el contorno del objeto|Borra el contorno del objeto sin afectar a los seguimientos ya hechos</translation>
    </message>
    <message>
        <source>Erase last zone to ignore|Erase latest zones first</source>
        <translation>Borrar la última zona excluida|Se borran primero las zonas más recientes</translation>
    </message>
    <message>
        <source>Cancel automatic tracking|Cancels tracking withiout affecting already drawn oulines</source>
        <translation>Cancelar el seguimiento automático|Cancela el seguimiento sin afectar a los contornos ya dibujados</translation>
    </message>
    <message>
        <source>Object number|Automatic tracking can handle 1 object at a time</source>
        <translation>Número del objeto|El seguimiento automático trata 1 objeto a la vez</translation>
    </message>
    <message>
        <source>Define sequence|First frame shows the object&apos;s outline. Choose the last frame of the tracking sequence</source>
        <translation>Definir la secuencia|El primer fotograma muestra el contorno del objeto. Elija el último fotograma de la secuencia de seguimiento</translation>
    </message>
    <message>
        <source>Start or stop automatic tracking|Automatically follows and records the trajectory of the objet</source>
        <translation>Iniciar o detener el seguimiento automático|Sigue automáticamente la trayectoria del objeto y la registra</translation>
    </message>
    <message>
        <source>Datasheet</source>
        <translation>Tabla de datos</translation>
    </message>
    <message>
        <source>Evolution as a function of time</source>
        <translation>Evolución en función del tiempo</translation>
    </message>
    <message>
        <source>Trajectory in reference frame</source>
        <translation>Trayectoria en el sistema de referencia</translation>
    </message>
    <message>
        <source>Vectors representation</source>
        <translation>Representación de vectores</translation>
    </message>
    <message>
        <source>Custom formulas</source>
        <translation>Fórmulas personalizadas</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>Reproducir</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Detener</translation>
    </message>
    <message>
        <source>First frame</source>
        <translation>Primer fotograma</translation>
    </message>
    <message>
        <source>Previous frame</source>
        <translation>Fotograma anterior</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>Buscar</translation>
    </message>
    <message>
        <source>Next frame</source>
        <translation>Fotograma siguiente</translation>
    </message>
    <message>
        <source>Last frame</source>
        <translation>Último fotograma</translation>
    </message>
    <message>
        <source>Frame number and total frame count|Left-click = type the number of the new frame</source>
        <translation>Número del fotograma y número total de fotogramas|Clic izquierdo = escribir el número del nuevo fotograma</translation>
    </message>
    <message>
        <source>Number of marks|Total number of marks set down</source>
        <translation>Número de marcas|Número total de marcas colocadas</translation>
    </message>
    <message>
        <source>Image zoom factor|Image zoom factor; left-click = return to 100%</source>
        <translation>Factor de zoom de la imagen|Factor de zoom de la imagen; clic izquierdo = volver al 100 %</translation>
    </message>
    <message>
        <source>Graph basis rotation angle|Left-click = type the angle</source>
        <translation>Ángulo de rotación de los ejes|Clic izquierdo = escribir el ángulo</translation>
    </message>
    <message>
        <source>Velocity or acceleration calculations need at least five marks to be reliable.</source>
        <translation>Los cálculos de velocidad o de aceleración necesitan al menos cinco marcas para ser fiables.</translation>
    </message>
    <message>
        <source>Continue</source>
        <translation>Continuar</translation>
    </message>
    <message>
        <source>First calibrate an object of know dimension on the screen.</source>
        <translation>Calibre primero en la pantalla un objeto de dimensiones conocidas.</translation>
    </message>
    <message>
        <source>Use the Scale button.</source>
        <translation>Use el botón Escala.</translation>
    </message>
    <message>
        <source>You have chosen to point simultaneously the positions of %u objects.</source>
        <translation>Ha elegido señalar simultáneamente las posiciones de %u objetos.</translation>
    </message>
    <message>
        <source>First set at least 3 marks.</source>
        <translation>Coloque primero al menos 3 marcas.</translation>
    </message>
    <message>
        <source>Use the Marks button.</source>
        <translation>Use el botón Marcas.</translation>
    </message>
    <message>
        <source>First set the origin of the axes.</source>
        <translation>Coloque primero el origen de los ejes.</translation>
    </message>
    <message>
        <source>Use the graph basis button.</source>
        <translation>Use el botón de los ejes.</translation>
    </message>
    <message>
        <source>First set at least 3 marks on the trajectory.</source>
        <translation>Coloque primero al menos 3 marcas en la trayectoria.</translation>
    </message>
    <message>
        <source>With the mouse, drag and drop the layer and point the object position.</source>
        <translation>Con el ratón, arrastre y suelte el calco y señale la posición del objeto.</translation>
    </message>
    <message>
        <source>An object name is assigned by default (« Point n°1 » for example).</source>
        <translation>Se asigna un nombre al objeto por defecto (« Punto n.º 1 », por ejemplo).</translation>
    </message>
    <message>
        <source>To make results clearer, it is recommended that you use an explicit name.</source>
        <translation>Para que los resultados sean más claros, se recomienda usar un nombre explícito.</translation>
    </message>
    <message>
        <source>Give a name</source>
        <translation>Dar un nombre</translation>
    </message>
    <message>
        <source>Do not show this dialog again</source>
        <translation>No volver a mostrar este mensaje</translation>
    </message>
    <message>
        <source>The calculation unit has detected an error. Process cancelled.</source>
        <translation>La unidad de cálculo ha detectado un error. Operación cancelada.</translation>
    </message>
    <message>
        <source>Kolibra help</source>
        <translation>Ayuda de Kolibra</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Atrás</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
    <message>
        <source>|This frame will be visible in the video after leaving edit mode</source>
        <translation>|Este fotograma será visible en el vídeo al salir del modo de edición</translation>
    </message>
    <message>
        <source>|This frame will not appear any more in the video after leaving edit mode</source>
        <translation>|Este fotograma ya no aparecerá en el vídeo al salir del modo de edición</translation>
    </message>
    <message>
        <source>Lens from a checkerboard</source>
        <translation>Objetivo a partir de un damero</translation>
    </message>
    <message>
        <source>Film a printed checkerboard held at a few different angles, filling much of the picture. Count its inner corners, where four squares meet.</source>
        <translation>Filme un damero impreso sostenido con varias inclinaciones distintas, de modo que ocupe buena parte de la imagen. Cuente sus esquinas interiores, donde se juntan cuatro casillas.</translation>
    </message>
    <message>
        <source>Inner corners across</source>
        <translation>Esquinas interiores a lo ancho</translation>
    </message>
    <message>
        <source>Inner corners down</source>
        <translation>Esquinas interiores a lo alto</translation>
    </message>
    <message>
        <source>Size of the plane&apos;s rectangle</source>
        <translation>Tamaño del rectángulo del plano</translation>
    </message>
    <message>
        <source>The width runs from the first corner clicked to the second, the height from the first to the fourth.</source>
        <translation>La anchura va de la primera esquina pulsada a la segunda; la altura, de la primera a la cuarta.</translation>
    </message>
    <message>
        <source>Width</source>
        <translation>Anchura</translation>
    </message>
    <message>
        <source>Height</source>
        <translation>Altura</translation>
    </message>
    <message>
        <source>Video file (%1)</source>
        <translation>Archivo de vídeo (%1)</translation>
    </message>
    <message>
        <source>Kolibra file (*.klb)</source>
        <translation>Archivo de Kolibra (*.klb)</translation>
    </message>
    <message>
        <source>All files (*)</source>
        <translation>Todos los archivos (*)</translation>
    </message>
    <message>
        <source>Open video...</source>
        <translation>Abrir vídeo...</translation>
    </message>
    <message>
        <source>File successfully saved:</source>
        <translation>Archivo guardado correctamente:</translation>
    </message>
    <message>
        <source>The work cannot be kept for recovery after a crash: %1</source>
        <translation>El trabajo no se puede conservar para recuperarlo tras un fallo: %1</translation>
    </message>
    <message>
        <source>Save work to KLB file</source>
        <translation>Guardar el trabajo en un archivo KLB</translation>
    </message>
    <message>
        <source>Open work...</source>
        <translation>Abrir trabajo...</translation>
    </message>
    <message>
        <source>%1 (damaged)</source>
        <translation>%1 (dañado)</translation>
    </message>
    <message>
        <source>Kolibra stopped before this work was saved:</source>
        <translation>Kolibra se detuvo antes de que se guardara este trabajo:</translation>
    </message>
    <message>
        <source>Video</source>
        <translation>Vídeo</translation>
    </message>
    <message>
        <source>Last change</source>
        <translation>Último cambio</translation>
    </message>
    <message>
        <source>Marks</source>
        <translation>Marcas</translation>
    </message>
    <message>
        <source>Restore</source>
        <translation>Restaurar</translation>
    </message>
    <message>
        <source>Discard</source>
        <translation>Descartar</translation>
    </message>
    <message>
        <source>Later</source>
        <translation>Más tarde</translation>
    </message>
    <message>
        <source>Video writing</source>
        <translation>Escritura de vídeo</translation>
    </message>
    <message>
        <source>Files were successfully registered.</source>
        <translation>Los archivos se han guardado correctamente.</translation>
    </message>
    <message>
        <source>Automatic tracking</source>
        <translation>Seguimiento automático</translation>
    </message>
    <message>
        <source>Tracking ended: %1 frames found, %2 uncertain, %3 lost. Leave the tracking mode to keep the positions as marks.</source>
        <translation>Seguimiento terminado: %1 fotogramas encontrados, %2 dudosos, %3 perdidos. Salga del modo de seguimiento para conservar las posiciones como marcas.</translation>
    </message>
    <message>
        <source>|Left-click = add a vertex to the polygon; double left-click = end; right-click = erase</source>
        <translation>|Clic izquierdo = añadir un vértice al polígono; doble clic izquierdo = terminar; clic derecho = borrar</translation>
    </message>
    <message>
        <source>|1st left-click = begin the course; 2nd left-click = end; right-click = erase</source>
        <translation>|1.er clic izquierdo = empezar el trazo; 2.º clic izquierdo = terminar; clic derecho = borrar</translation>
    </message>
    <message>
        <source>|1st left-click = center of the circle; 2nd left-click = end; right-click = erase</source>
        <translation>|1.er clic izquierdo = centro del círculo; 2.º clic izquierdo = terminar; clic derecho = borrar</translation>
    </message>
    <message>
        <source>|Left-click = erase the outline under mouse pointer; right-click = erase the outline on the curret video frame</source>
        <translation>|Clic izquierdo = borrar el contorno bajo el puntero del ratón; clic derecho = borrar el contorno del fotograma actual</translation>
    </message>
    <message>
        <source>The first object has no mark to cut an outline around.</source>
        <translation>El primer objeto no tiene ninguna marca alrededor de la cual recortar un contorno.</translation>
    </message>
    <message>
        <source>Mark its positions, by hand or by automatic marking, first.</source>
        <translation>Marque antes sus posiciones, a mano o con el marcado automático.</translation>
    </message>
    <message>
        <source>First open a video file.</source>
        <translation>Abra primero un archivo de vídeo.</translation>
    </message>
    <message>
        <source>A file with the same name already exists. Overwrite ?</source>
        <translation>Ya existe un archivo con el mismo nombre. ¿Desea sobrescribirlo?</translation>
    </message>
    <message>
        <source>Saving has failed.</source>
        <translation>No se ha podido guardar.</translation>
    </message>
    <message>
        <source>Check that the drive is not write-protected.</source>
        <translation>Compruebe que la unidad no está protegida contra escritura.</translation>
    </message>
    <message>
        <source>File saving has failed.</source>
        <translation>No se ha podido guardar el archivo.</translation>
    </message>
    <message>
        <source>Look for it...</source>
        <translation>Buscarlo...</translation>
    </message>
    <message>
        <source>Another Kolibra has taken or removed this recovery file.</source>
        <translation>Otro Kolibra ha tomado o eliminado este archivo de recuperación.</translation>
    </message>
    <message>
        <source>Outlines around the marks</source>
        <translation>Contornos alrededor de las marcas</translation>
    </message>
    <message>
        <source> pixels</source>
        <translation> píxeles</translation>
    </message>
    <message>
        <source>One outline every (frames):</source>
        <translation>Un contorno cada (fotogramas):</translation>
    </message>
    <message>
        <source>Radius of the disc on the frame:</source>
        <translation>Radio del disco en el fotograma:</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Deshacer</translation>
    </message>
    <message>
        <source>Undo %1</source>
        <translation>Deshacer %1</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Rehacer</translation>
    </message>
    <message>
        <source>Redo %1</source>
        <translation>Rehacer %1</translation>
    </message>
    <message>
        <source>(Ctrl Z)</source>
        <translation>(Ctrl Z)</translation>
    </message>
    <message>
        <source>For clarity purposes, only one mark per image is allowed on a layer.</source>
        <translation>Para mayor claridad, en un calco solo se admite una marca por fotograma.</translation>
    </message>
    <message>
        <source>|The lens from the checkerboard seen in %1 frames: k1 = %2, k2 = %3, focal length %4 pixels</source>
        <translation>|El objetivo a partir del damero visto en %1 fotogramas: k1 = %2, k2 = %3, distancia focal %4 píxeles</translation>
    </message>
    <message>
        <source>Teaching mechanics from video.</source>
        <translation>Enseñar mecánica a partir del vídeo.</translation>
    </message>
    <message>
        <source>Free software under the GNU General Public License, version 3 or later.</source>
        <translation>Software libre bajo la Licencia Pública General de GNU, versión 3 o posterior.</translation>
    </message>
    <message>
        <source>Unable to launch help. </source>
        <translation>No se puede abrir la ayuda. </translation>
    </message>
    <message>
        <source>The help page « %1 » is missing.</source>
        <translation>Falta la página de ayuda « %1 ».</translation>
    </message>
    <message>
        <source>No program could show the page « %1 ».</source>
        <translation>Ningún programa ha podido mostrar la página « %1 ».</translation>
    </message>
    <message>
        <source>|Left-click = make bigger; right-click = make smaller; press CTRL simultaneously to slow down</source>
        <translation>|Clic izquierdo = ampliar; clic derecho = reducir; pulse CTRL a la vez para ir más despacio</translation>
    </message>
    <message>
        <source>|Pan frame</source>
        <translation>|Desplazar el fotograma</translation>
    </message>
    <message>
        <source>|Left-click (or Enter) = define one end; right-click (or Esc) = cancel; Ctrl + arrow key = move the mouse pointer</source>
        <translation>|Clic izquierdo (o Intro) = fijar un extremo; clic derecho (o Esc) = cancelar; Ctrl + flecha = mover el puntero del ratón</translation>
    </message>
    <message>
        <source>|Left-click = the next corner of the rectangle, in the order (0, 0), (W, 0), (W, H), (0, H); drag a corner to adjust; right-click (or Esc) = cancel</source>
        <translation>|Clic izquierdo = la siguiente esquina del rectángulo, en el orden (0, 0), (W, 0), (W, H), (0, H); arrastrar una esquina para ajustarla; clic derecho (o Esc) = cancelar</translation>
    </message>
    <message>
        <source>|Left-click = a point of a line straight in reality; right-click (or Enter) = end the line; Esc = cancel</source>
        <translation>|Clic izquierdo = un punto de una línea recta en la realidad; clic derecho (o Intro) = terminar la línea; Esc = cancelar</translation>
    </message>
    <message>
        <source>|Left-click (or Enter) = put a mark; right-click (or Esc) = cancel; Ctrl + arrow key = move the mouse pointer</source>
        <translation>|Clic izquierdo (o Intro) = colocar una marca; clic derecho (o Esc) = cancelar; Ctrl + flecha = mover el puntero del ratón</translation>
    </message>
    <message>
        <source>|Left-click = drag and drop</source>
        <translation>|Clic izquierdo = arrastrar y soltar</translation>
    </message>
    <message>
        <source>|Left-click (or Enter) = set the origine; right-click (or Esc) = cancel; Ctrl + arrow key = move the mouse pointer</source>
        <translation>|Clic izquierdo (o Intro) = fijar el origen; clic derecho (o Esc) = cancelar; Ctrl + flecha = mover el puntero del ratón</translation>
    </message>
    <message>
        <source>|Left-click = remove the mark under the mouse pointer; right-click = remove the marks of the current image</source>
        <translation>|Clic izquierdo = quitar la marca bajo el puntero del ratón; clic derecho = quitar las marcas del fotograma actual</translation>
    </message>
    <message>
        <source>|Left-click = drag and drop; right-click or ESC = cancel; + or - = layer size</source>
        <translation>|Clic izquierdo = arrastrar y soltar; clic derecho o ESC = cancelar; + o - = tamaño del calco</translation>
    </message>
    <message>
        <source>Zoom factor must be greater than 100%.</source>
        <translation>El factor de zoom debe ser mayor que 100 %.</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Archivo</translation>
    </message>
    <message>
        <source>Recent files</source>
        <translation>Archivos recientes</translation>
    </message>
    <message>
        <source>Video properties</source>
        <translation>Propiedades del vídeo</translation>
    </message>
    <message>
        <source>Write video...</source>
        <translation>Escribir vídeo...</translation>
    </message>
    <message>
        <source>Print...</source>
        <translation>Imprimir...</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Edición</translation>
    </message>
    <message>
        <source>Display</source>
        <translation>Ver</translation>
    </message>
    <message>
        <source>Magnifying glass</source>
        <translation>Lupa</translation>
    </message>
    <message>
        <source>Hide frame</source>
        <translation>Ocultar el fotograma</translation>
    </message>
    <message>
        <source>Go to</source>
        <translation>Ir a</translation>
    </message>
    <message>
        <source>last marked frame</source>
        <translation>último fotograma marcado</translation>
    </message>
    <message>
        <source>frame no ...</source>
        <translation>fotograma n.º ...</translation>
    </message>
    <message>
        <source>Colours</source>
        <translation>Colores</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Tamaño</translation>
    </message>
    <message>
        <source>small</source>
        <translation>pequeño</translation>
    </message>
    <message>
        <source>average</source>
        <translation>mediano</translation>
    </message>
    <message>
        <source>large</source>
        <translation>grande</translation>
    </message>
    <message>
        <source>Numbering</source>
        <translation>Numeración</translation>
    </message>
    <message>
        <source>bellow the point</source>
        <translation>debajo del punto</translation>
    </message>
    <message>
        <source>on the right of the point</source>
        <translation>a la derecha del punto</translation>
    </message>
    <message>
        <source>none</source>
        <translation>ninguna</translation>
    </message>
    <message>
        <source>Draw</source>
        <translation>Dibujar</translation>
    </message>
    <message>
        <source>last video mark</source>
        <translation>última marca del vídeo</translation>
    </message>
    <message>
        <source>all video marks</source>
        <translation>todas las marcas del vídeo</translation>
    </message>
    <message>
        <source>others ...</source>
        <translation>otro valor ...</translation>
    </message>
    <message>
        <source>Object marks ...</source>
        <translation>Marcas de los objetos ...</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Borrar</translation>
    </message>
    <message>
        <source>object outline</source>
        <translation>contorno del objeto</translation>
    </message>
    <message>
        <source>the video marks</source>
        <translation>marcas del vídeo</translation>
    </message>
    <message>
        <source>zones to ignore</source>
        <translation>zonas excluidas</translation>
    </message>
    <message>
        <source>the layer</source>
        <translation>calco</translation>
    </message>
    <message>
        <source>grid</source>
        <translation>ejes</translation>
    </message>
    <message>
        <source>scale</source>
        <translation>escala</translation>
    </message>
    <message>
        <source>plane and lens</source>
        <translation>plano y objetivo</translation>
    </message>
    <message>
        <source>all</source>
        <translation>todo</translation>
    </message>
    <message>
        <source>Results</source>
        <translation>Resultados</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Opciones</translation>
    </message>
    <message>
        <source>Measurements</source>
        <translation>Medidas</translation>
    </message>
    <message>
        <source>outline shape</source>
        <translation>forma del contorno</translation>
    </message>
    <message>
        <source>free</source>
        <translation>libre</translation>
    </message>
    <message>
        <source>broken line</source>
        <translation>línea quebrada</translation>
    </message>
    <message>
        <source>circle</source>
        <translation>círculo</translation>
    </message>
    <message>
        <source>Search radius</source>
        <translation>Radio de búsqueda</translation>
    </message>
    <message>
        <source>20 pixels</source>
        <translation>20 píxeles</translation>
    </message>
    <message>
        <source>40 pixels</source>
        <translation>40 píxeles</translation>
    </message>
    <message>
        <source>60 pixels</source>
        <translation>60 píxeles</translation>
    </message>
    <message>
        <source>See search area</source>
        <translation>Ver la zona de búsqueda</translation>
    </message>
    <message>
        <source>Time between two frames</source>
        <translation>Tiempo entre dos fotogramas</translation>
    </message>
    <message>
        <source>Number of marks per frame</source>
        <translation>Número de marcas por fotograma</translation>
    </message>
    <message>
        <source>one</source>
        <translation>una</translation>
    </message>
    <message>
        <source>two</source>
        <translation>dos</translation>
    </message>
    <message>
        <source>three</source>
        <translation>tres</translation>
    </message>
    <message>
        <source>Advance automatically</source>
        <translation>Avanzar automáticamente</translation>
    </message>
    <message>
        <source>of 1 image</source>
        <translation>de 1 fotograma</translation>
    </message>
    <message>
        <source>Scale length</source>
        <translation>Longitud de la escala</translation>
    </message>
    <message>
        <source>Horizontal scale length</source>
        <translation>Longitud de la escala horizontal</translation>
    </message>
    <message>
        <source>Vertical scale length</source>
        <translation>Longitud de la escala vertical</translation>
    </message>
    <message>
        <source>Lens from a checkerboard...</source>
        <translation>Objetivo a partir de un damero...</translation>
    </message>
    <message>
        <source>Grid rotation angle</source>
        <translation>Ángulo de rotación de los ejes</translation>
    </message>
    <message>
        <source>Reverse Ox axis</source>
        <translation>Invertir el eje Ox</translation>
    </message>
    <message>
        <source>Reverse Oy axis</source>
        <translation>Invertir el eje Oy</translation>
    </message>
    <message>
        <source>Outlines around the marks...</source>
        <translation>Contornos alrededor de las marcas...</translation>
    </message>
    <message>
        <source>Calculator</source>
        <translation>Calculadora</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Ayuda</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Acerca de</translation>
    </message>
    <message>
        <source>Zoom</source>
        <translation>Zoom</translation>
    </message>
    <message>
        <source>Pan image</source>
        <translation>Desplazar la imagen</translation>
    </message>
    <message>
        <source>Move a video mark</source>
        <translation>Mover una marca del vídeo</translation>
    </message>
    <message>
        <source>Erase marks</source>
        <translation>Borrar marcas</translation>
    </message>
    <message>
        <source>Calibrate an object</source>
        <translation>Calibrar un objeto</translation>
    </message>
    <message>
        <source>Define horizontal scale</source>
        <translation>Definir la escala horizontal</translation>
    </message>
    <message>
        <source>Define vertical scale</source>
        <translation>Definir la escala vertical</translation>
    </message>
    <message>
        <source>Set video marks</source>
        <translation>Colocar marcas en el vídeo</translation>
    </message>
    <message>
        <source>Choose a coordinate system</source>
        <translation>Elegir un sistema de referencia</translation>
    </message>
    <message>
        <source>Use a layer</source>
        <translation>Usar un calco</translation>
    </message>
    <message>
        <source>Draw the outline of an object</source>
        <translation>Dibujar el contorno de un objeto</translation>
    </message>
    <message>
        <source>Draw an area to ignore</source>
        <translation>Dibujar una zona excluida</translation>
    </message>
    <message>
        <source>Cancel</source>
        <comment>undo</comment>
        <translation>Deshacer</translation>
    </message>
</context>
<context>
    <name>MdlText</name>
    <message>
        <source>%1 + %2.t + %3.t²</source>
        <translation>%1 + %2.t + %3.t²</translation>
    </message>
    <message>
        <source>%1</source>
        <translation>%1</translation>
    </message>
    <message>
        <source>%1.t</source>
        <translation>%1.t</translation>
    </message>
    <message>
        <source>%1 + %2.t</source>
        <translation>%1 + %2.t</translation>
    </message>
    <message>
        <source>Margin of error on y-axis</source>
        <translation>Margen de error en el eje y</translation>
    </message>
    <message>
        <source>relative precision</source>
        <translation>precisión relativa</translation>
    </message>
    <message>
        <source>average quadratic variation</source>
        <translation>desviación cuadrática media</translation>
    </message>
    <message>
        <source>correlation coefficient</source>
        <translation>coeficiente de correlación</translation>
    </message>
    <message>
        <source>%1 + %2.exp(%3.t)</source>
        <translation>%1 + %2.exp(%3.t)</translation>
    </message>
    <message>
        <source>%1 + %2.sin(%3.t + %4)</source>
        <translation>%1 + %2.sin(%3.t + %4)</translation>
    </message>
    <message>
        <source>%1 + %2.sin(%3.t + %4).exp(%5.t)</source>
        <translation>%1 + %2.sin(%3.t + %4).exp(%5.t)</translation>
    </message>
    <message>
        <source>Model</source>
        <translation>Modelo</translation>
    </message>
</context>
<context>
    <name>ModelFitText</name>
    <message>
        <source>The fit failed: the samples do not determine the model&apos;s parameters.</source>
        <translation>El ajuste ha fallado: las muestras no determinan los parámetros del modelo.</translation>
    </message>
    <message>
        <source>The fit failed: no step brought the model closer to the samples.</source>
        <translation>El ajuste ha fallado: ningún paso ha acercado el modelo a las muestras.</translation>
    </message>
    <message>
        <source>The fit did not converge within 50 iterations.</source>
        <translation>El ajuste no ha convergido en 50 iteraciones.</translation>
    </message>
    <message>
        <source>Too few samples for this model: it needs at least one more than its parameters.</source>
        <translation>Hay muy pocas muestras para este modelo: necesita al menos una más que parámetros.</translation>
    </message>
    <message>
        <source>The fit failed: a value became too big or too small.</source>
        <translation>El ajuste ha fallado: un valor se ha hecho demasiado grande o demasiado pequeño.</translation>
    </message>
    <message>
        <source>The fit failed: every sample lies at the same abscissa.</source>
        <translation>El ajuste ha fallado: todas las muestras están en la misma abscisa.</translation>
    </message>
    <message>
        <source>First select a model (linear, parabolic, sine...)</source>
        <translation>Elija primero un modelo (lineal, parabólico, sinusoidal...)</translation>
    </message>
    <message>
        <source>The fit failed (code %1).</source>
        <translation>El ajuste ha fallado (código %1).</translation>
    </message>
</context>
<context>
    <name>MontageText</name>
    <message>
        <source>The video editing was made for another number of frames.</source>
        <translation>La edición de vídeo se hizo para otro número de fotogramas.</translation>
    </message>
    <message>
        <source>Two visible frames of the video editing stand at the same time, or in the wrong order.</source>
        <translation>Dos fotogramas visibles de la edición de vídeo están en el mismo instante o en orden incorrecto.</translation>
    </message>
    <message>
        <source>The video editing hides every frame.</source>
        <translation>La edición de vídeo oculta todos los fotogramas.</translation>
    </message>
    <message>
        <source>At least 1 frame must remain visible</source>
        <translation>Debe quedar visible al menos 1 fotograma</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>The marks set on these frames will be deleted.</source>
        <translation>Se borrarán las marcas colocadas en estos fotogramas.</translation>
    </message>
    <message>
        <source>The marks set on this frame will be deleted.</source>
        <translation>Se borrarán las marcas colocadas en este fotograma.</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Do not show this dialog again</source>
        <translation>No volver a mostrar este mensaje</translation>
    </message>
    <message>
        <source>This frame will not be visible after leaving the video edit mode.</source>
        <translation>Este fotograma no será visible al salir del modo de edición de vídeo.</translation>
    </message>
    <message>
        <source>Hidden frames appear in negative. </source>
        <translation>Los fotogramas ocultos aparecen en negativo. </translation>
    </message>
    <message>
        <source>This image will be visible again after leaving the video edit mode.</source>
        <translation>Este fotograma volverá a ser visible al salir del modo de edición de vídeo.</translation>
    </message>
    <message>
        <source>Show or hide a series of images</source>
        <translation>Mostrar u ocultar una serie de fotogramas</translation>
    </message>
    <message>
        <source>A frame is missing in the video stream</source>
        <translation>Falta un fotograma en el flujo de vídeo</translation>
    </message>
    <message>
        <source>The video editing has no valid number of frames.</source>
        <translation>La edición de vídeo no tiene un número de fotogramas válido.</translation>
    </message>
    <message>
        <source>The visible frames of the video editing are not in order.</source>
        <translation>Los fotogramas visibles de la edición de vídeo no están en orden.</translation>
    </message>
    <message>
        <source>The time shifts of the video editing do not match its frames.</source>
        <translation>Los desfases de tiempo de la edición de vídeo no corresponden a sus fotogramas.</translation>
    </message>
    <message>
        <source>The time shifts of the video editing are not in order.</source>
        <translation>Los desfases de tiempo de la edición de vídeo no están en orden.</translation>
    </message>
</context>
<context>
    <name>Parser</name>
    <message>
        <source>Opening bracket has not been closed.</source>
        <translation>Falta cerrar un paréntesis.</translation>
    </message>
    <message>
        <source>Closing bracket has not been open.</source>
        <translation>Se cierra un paréntesis que no se ha abierto.</translation>
    </message>
    <message>
        <source>Empty parenthesis.</source>
        <translation>Paréntesis vacío.</translation>
    </message>
    <message>
        <source>Incorrect number: %1</source>
        <translation>Número incorrecto: %1</translation>
    </message>
    <message>
        <source>Calculation of a cosine has failed.</source>
        <translation>Ha fallado el cálculo de un coseno.</translation>
    </message>
    <message>
        <source>Calculation of a sine has failed.</source>
        <translation>Ha fallado el cálculo de un seno.</translation>
    </message>
    <message>
        <source>Calculation of a tangent has failed.</source>
        <translation>Ha fallado el cálculo de una tangente.</translation>
    </message>
    <message>
        <source>Calculation of an arc-cosine has failed.</source>
        <translation>Ha fallado el cálculo de un arco coseno.</translation>
    </message>
    <message>
        <source>Calculation of an arc-sine has failed.</source>
        <translation>Ha fallado el cálculo de un arco seno.</translation>
    </message>
    <message>
        <source>Calculation of an arc-tangent has failed.</source>
        <translation>Ha fallado el cálculo de un arco tangente.</translation>
    </message>
    <message>
        <source>Calculation of the logarithm of a negative or null number.</source>
        <translation>Cálculo del logaritmo de un número negativo o nulo.</translation>
    </message>
    <message>
        <source>Calculation of the square root of a negative number.</source>
        <translation>Cálculo de la raíz cuadrada de un número negativo.</translation>
    </message>
    <message>
        <source>Division by zero.</source>
        <translation>División por cero.</translation>
    </message>
    <message>
        <source>Calculation of a non-integer power of a negative number.</source>
        <translation>Cálculo de una potencia no entera de un número negativo.</translation>
    </message>
    <message>
        <source>Calculation of an exponential has failed.</source>
        <translation>Ha fallado el cálculo de una exponencial.</translation>
    </message>
    <message>
        <source>Calculation of a power has failed.</source>
        <translation>Ha fallado el cálculo de una potencia.</translation>
    </message>
    <message>
        <source>The result of a calculation is too big or too small.</source>
        <translation>El resultado de un cálculo es demasiado grande o demasiado pequeño.</translation>
    </message>
    <message>
        <source>Formula with unknown variable or constant: %1</source>
        <translation>Fórmula con una variable o una constante desconocida: %1</translation>
    </message>
    <message>
        <source>Non authorized or inappropriate character detected in formula: %1</source>
        <translation>Se ha detectado un carácter no autorizado o inadecuado en la fórmula: %1</translation>
    </message>
    <message>
        <source>The index of a variable or a constant is usually placed into brackets. Unknown index into brackets. Faulty variable or constant: %1</source>
        <translation>El índice de una variable o de una constante suele ir entre corchetes. Índice entre corchetes desconocido. Variable o constante errónea: %1</translation>
    </message>
    <message>
        <source>Function without argument.</source>
        <translation>Función sin argumento.</translation>
    </message>
    <message>
        <source>Operator without operand: %1</source>
        <translation>Operador sin operando: %1</translation>
    </message>
    <message>
        <source>Operands without operator.</source>
        <translation>Operandos sin operador.</translation>
    </message>
    <message>
        <source>Empty formula.</source>
        <translation>Fórmula vacía.</translation>
    </message>
    <message>
        <source>Variable with unknown value: %1. Check to see if initial value (%2 or %3) is registered in the constants datasheet.</source>
        <translation>Variable de valor desconocido: %1. Compruebe que el valor inicial (%2 o %3) figura en la tabla de constantes.</translation>
    </message>
    <message>
        <source>Index of a variable or a constant is usually placed between brackets. Closing bracket is missing or misplaced. Faulty variable or constant: %1</source>
        <translation>El índice de una variable o de una constante suele ir entre corchetes. Falta el corchete de cierre o está mal colocado. Variable o constante errónea: %1</translation>
    </message>
    <message>
        <source>Use semicolon to separate the 2 variables of a function. Eg : ArcTan(x;y).</source>
        <translation>Use punto y coma para separar las 2 variables de una función. Ej.: ArcTan(x;y).</translation>
    </message>
    <message>
        <source>Formula too long. Maximum length: %1 characters.</source>
        <translation>Fórmula demasiado larga. Longitud máxima: %1 caracteres.</translation>
    </message>
    <message>
        <source>Too many nested brackets. Maximum depth: %1.</source>
        <translation>Demasiados paréntesis anidados. Profundidad máxima: %1.</translation>
    </message>
    <message>
        <source>Unknown error.</source>
        <translation>Error desconocido.</translation>
    </message>
</context>
<context>
    <name>PasswordDlgText</name>
    <message>
        <source>Password</source>
        <translation>Contraseña</translation>
    </message>
    <message>
        <source>&amp;Ok</source>
        <translation>&amp;Aceptar</translation>
    </message>
    <message>
        <source>&amp;Annuler</source>
        <translation>&amp;Cancelar</translation>
    </message>
</context>
<context>
    <name>PlaneCalibrationText</name>
    <message>
        <source>No video is open.</source>
        <translation>No hay ningún vídeo abierto.</translation>
    </message>
    <message>
        <source>The width and the height of the rectangle must be above zero.</source>
        <translation>La anchura y la altura del rectángulo deben ser mayores que cero.</translation>
    </message>
    <message>
        <source>The corners of the rectangle must be numbers.</source>
        <translation>Las esquinas del rectángulo deben ser números.</translation>
    </message>
    <message>
        <source>The four corners must be given in turn round the rectangle, without crossing.</source>
        <translation>Las cuatro esquinas deben darse una tras otra alrededor del rectángulo, sin cruzarse.</translation>
    </message>
    <message>
        <source>At least one line that is straight in reality is needed.</source>
        <translation>Se necesita al menos una línea que sea recta en la realidad.</translation>
    </message>
    <message>
        <source>Each straight line needs at least three points.</source>
        <translation>Cada línea recta necesita al menos tres puntos.</translation>
    </message>
    <message>
        <source>The points of a line must be numbers.</source>
        <translation>Los puntos de una línea deben ser números.</translation>
    </message>
    <message>
        <source>The focal length must be above zero.</source>
        <translation>La distancia focal debe ser mayor que cero.</translation>
    </message>
    <message>
        <source>The lines do not tell how the lens bends them.</source>
        <translation>Las líneas no permiten saber cómo las curva el objetivo.</translation>
    </message>
    <message>
        <source>A checkerboard needs from 3 to 60 inner corners each way.</source>
        <translation>Un damero necesita de 3 a 60 esquinas interiores en cada dirección.</translation>
    </message>
    <message>
        <source>The checkerboard (%1 x %2 inner corners) was found in none of the frames.</source>
        <translation>No se ha encontrado el damero (%1 x %2 esquinas interiores) en ningún fotograma.</translation>
    </message>
    <message>
        <source>The checkerboard&apos;s views could not give a lens.</source>
        <translation>Las vistas del damero no han permitido obtener el objetivo.</translation>
    </message>
</context>
<context>
    <name>PrintJob</name>
    <message>
        <source>The graph is empty: there is nothing to print.</source>
        <translation>El gráfico está vacío: no hay nada que imprimir.</translation>
    </message>
    <message>
        <source>The file cannot be written: %1</source>
        <translation>No se puede escribir el archivo: %1</translation>
    </message>
</context>
<context>
    <name>QuantitiesText</name>
    <message>
        <source>t</source>
        <translation>t</translation>
    </message>
    <message>
        <source>s</source>
        <translation>s</translation>
    </message>
    <message>
        <source>time</source>
        <translation>tiempo</translation>
    </message>
    <message>
        <source>x</source>
        <translation>x</translation>
    </message>
    <message>
        <source>m</source>
        <translation>m</translation>
    </message>
    <message>
        <source>Abscissa</source>
        <translation>Abscisa</translation>
    </message>
    <message>
        <source>y</source>
        <translation>y</translation>
    </message>
    <message>
        <source>Ordinates</source>
        <translation>Ordenada</translation>
    </message>
    <message>
        <source>vx</source>
        <translation>vx</translation>
    </message>
    <message>
        <source>m/s</source>
        <translation>m/s</translation>
    </message>
    <message>
        <source>x-component of velocity</source>
        <translation>Componente x de la velocidad</translation>
    </message>
    <message>
        <source>vy</source>
        <translation>vy</translation>
    </message>
    <message>
        <source>y-component of velocity</source>
        <translation>Componente y de la velocidad</translation>
    </message>
    <message>
        <source>v</source>
        <translation>v</translation>
    </message>
    <message>
        <source>Value of velocity</source>
        <translation>Módulo de la velocidad</translation>
    </message>
    <message>
        <source>ax</source>
        <translation>ax</translation>
    </message>
    <message>
        <source>m/s²</source>
        <translation>m/s²</translation>
    </message>
    <message>
        <source>x-component of acceleration</source>
        <translation>Componente x de la aceleración</translation>
    </message>
    <message>
        <source>ay</source>
        <translation>ay</translation>
    </message>
    <message>
        <source>y-component of acceleration</source>
        <translation>Componente y de la aceleración</translation>
    </message>
    <message>
        <source>a</source>
        <translation>a</translation>
    </message>
    <message>
        <source>Value of acceleration</source>
        <translation>Módulo de la aceleración</translation>
    </message>
    <message>
        <source>O</source>
        <translation>O</translation>
    </message>
    <message>
        <source>rad</source>
        <translation>rad</translation>
    </message>
    <message>
        <source>Angular coordinate</source>
        <translation>Coordenada angular</translation>
    </message>
    <message>
        <source>R</source>
        <translation>R</translation>
    </message>
    <message>
        <source>Radial coordinate</source>
        <translation>Coordenada radial</translation>
    </message>
    <message>
        <source>w</source>
        <translation>w</translation>
    </message>
    <message>
        <source>rad/s</source>
        <translation>rad/s</translation>
    </message>
    <message>
        <source>Angular velocity value</source>
        <translation>Velocidad angular</translation>
    </message>
    <message>
        <source>px</source>
        <translation>px</translation>
    </message>
    <message>
        <source>kg·m/s</source>
        <translation>kg·m/s</translation>
    </message>
    <message>
        <source>x-component of momentum</source>
        <translation>Componente x de la cantidad de movimiento</translation>
    </message>
    <message>
        <source>py</source>
        <translation>py</translation>
    </message>
    <message>
        <source>y-component of momentum</source>
        <translation>Componente y de la cantidad de movimiento</translation>
    </message>
    <message>
        <source>p</source>
        <translation>p</translation>
    </message>
    <message>
        <source>Value of momentum</source>
        <translation>Módulo de la cantidad de movimiento</translation>
    </message>
    <message>
        <source>Ek</source>
        <translation>Ek</translation>
    </message>
    <message>
        <source>J</source>
        <translation>J</translation>
    </message>
    <message>
        <source>Kinetic energy</source>
        <translation>Energía cinética</translation>
    </message>
    <message>
        <source>Ep</source>
        <translation>Ep</translation>
    </message>
    <message>
        <source>Potential energy of weight</source>
        <translation>Energía potencial gravitatoria</translation>
    </message>
    <message>
        <source>Em</source>
        <translation>Em</translation>
    </message>
    <message>
        <source>Mechanical energy</source>
        <translation>Energía mecánica</translation>
    </message>
    <message>
        <source>centre of mass</source>
        <translation>centro de masas</translation>
    </message>
    <message>
        <source>total</source>
        <translation>total</translation>
    </message>
</context>
<context>
    <name>RecordCliText</name>
    <message>
        <source>No such file.</source>
        <translation>No existe ese archivo.</translation>
    </message>
    <message>
        <source>The size must be from %1x%2 to %3x%4 for this video.</source>
        <translation>El tamaño debe estar entre %1x%2 y %3x%4 para este vídeo.</translation>
    </message>
    <message>
        <source>The crop must lie inside the %1x%2 frame and keep at least %3x%4 pixels.</source>
        <translation>El recorte debe quedar dentro del fotograma de %1x%2 y conservar al menos %3x%4 píxeles.</translation>
    </message>
    <message>
        <source>The quality is a percentage from 10 to 100: %1</source>
        <translation>La calidad es un porcentaje de 10 a 100: %1</translation>
    </message>
    <message>
        <source>The frame rate is required: --rate R</source>
        <translation>Hace falta la frecuencia de fotogramas: --rate R</translation>
    </message>
</context>
<context>
    <name>RecordMontageText</name>
    <message>
        <source>Save edited video to a file</source>
        <translation>Guardar el vídeo editado en un archivo</translation>
    </message>
    <message>
        <source>Convert a video file to a sequence of images</source>
        <translation>Convertir un archivo de vídeo en una serie de imágenes</translation>
    </message>
    <message>
        <source>Create a video from images</source>
        <translation>Crear un vídeo a partir de imágenes</translation>
    </message>
    <message>
        <source>Image width in pixels: %1</source>
        <translation>Anchura de la imagen en píxeles: %1</translation>
    </message>
    <message>
        <source>Image height in pixels: %1</source>
        <translation>Altura de la imagen en píxeles: %1</translation>
    </message>
    <message>
        <source>Frame rate: %1</source>
        <translation>Frecuencia de fotogramas: %1</translation>
    </message>
    <message>
        <source>Compression Codec: %1</source>
        <translation>Códec de compresión: %1</translation>
    </message>
    <message>
        <source>without</source>
        <translation>sin compresión</translation>
    </message>
    <message>
        <source>Framework: %1</source>
        <translation>Interfaz: %1</translation>
    </message>
    <message>
        <source>Resized images: %1</source>
        <translation>Imágenes redimensionadas: %1</translation>
    </message>
    <message>
        <source>yes</source>
        <translation>sí</translation>
    </message>
    <message>
        <source>no</source>
        <translation>no</translation>
    </message>
    <message>
        <source>Cropped images: %1</source>
        <translation>Imágenes recortadas: %1</translation>
    </message>
    <message>
        <source>Video container: AVI</source>
        <translation>Contenedor de vídeo: AVI</translation>
    </message>
    <message>
        <source>Total number of images: %1</source>
        <translation>Número total de imágenes: %1</translation>
    </message>
    <message>
        <source>Missing frames: %1</source>
        <translation>Fotogramas que faltan: %1</translation>
    </message>
    <message>
        <source>insert empty frames</source>
        <translation>insertar fotogramas vacíos</translation>
    </message>
    <message>
        <source>do nothing</source>
        <translation>no hacer nada</translation>
    </message>
    <message>
        <source>File format: BMP</source>
        <translation>Formato de archivo: BMP</translation>
    </message>
    <message>
        <source>Process cancelled</source>
        <translation>Operación cancelada</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Save a video file</source>
        <translation>Guardar un archivo de vídeo</translation>
    </message>
    <message>
        <source>Video file (*.avi)</source>
        <translation>Archivo de vídeo (*.avi)</translation>
    </message>
    <message>
        <source>A file with this name already exists in the selected directory.</source>
        <translation>Ya existe un archivo con este nombre en la carpeta seleccionada.</translation>
    </message>
    <message>
        <source>Please choose a different file name or directory.</source>
        <translation>Elija otro nombre de archivo u otra carpeta.</translation>
    </message>
    <message>
        <source>Error detected while creating video file:</source>
        <translation>Error al crear el archivo de vídeo:</translation>
    </message>
    <message>
        <source>Convert video to images</source>
        <translation>Convertir el vídeo en imágenes</translation>
    </message>
    <message>
        <source>Bitmap file (*.bmp)</source>
        <translation>Archivo de mapa de bits (*.bmp)</translation>
    </message>
    <message>
        <source>%1 image files of this name already exist, such as:</source>
        <translation>Ya existen %1 archivos de imagen con este nombre, por ejemplo:</translation>
    </message>
    <message>
        <source>Replace them?</source>
        <translation>¿Desea sustituirlos?</translation>
    </message>
    <message>
        <source>No</source>
        <translation>No</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Sí</translation>
    </message>
    <message>
        <source>Error detected while creating image files:</source>
        <translation>Error al crear los archivos de imagen:</translation>
    </message>
    <message>
        <source>Do not show this dialog again</source>
        <translation>No volver a mostrar este mensaje</translation>
    </message>
    <message>
        <source>You&apos;ll select several image files.</source>
        <translation>Va a seleccionar varios archivos de imagen.</translation>
    </message>
    <message>
        <source>Some useful keyboard shortcuts:</source>
        <translation>Algunos atajos de teclado útiles:</translation>
    </message>
    <message>
        <source>Ctrl + A: select all</source>
        <translation>Ctrl + A: seleccionar todo</translation>
    </message>
    <message>
        <source>Shift + arrow key: select several contiguous items</source>
        <translation>Mayús + flecha: seleccionar varios elementos contiguos</translation>
    </message>
    <message>
        <source>Ctrl + left-click: select an element independent of other</source>
        <translation>Ctrl + clic izquierdo: seleccionar un elemento independientemente de los demás</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Select image files</source>
        <translation>Seleccionar archivos de imagen</translation>
    </message>
    <message>
        <source>Unable to read the image file %1</source>
        <translation>No se puede leer el archivo de imagen %1</translation>
    </message>
    <message>
        <source>The video playback was interrupted.</source>
        <translation>Se ha interrumpido la lectura del vídeo.</translation>
    </message>
    <message>
        <source>No file name was given.</source>
        <translation>No se ha indicado ningún nombre de archivo.</translation>
    </message>
    <message>
        <source>This file is the open video: choose a different file name.</source>
        <translation>Este archivo es el vídeo abierto: elija otro nombre de archivo.</translation>
    </message>
    <message>
        <source>The folder of this file does not exist.</source>
        <translation>La carpeta de este archivo no existe.</translation>
    </message>
    <message>
        <source>No video is open.</source>
        <translation>No hay ningún vídeo abierto.</translation>
    </message>
    <message>
        <source>This framework cannot write videos here: %1</source>
        <translation>Esta interfaz no puede escribir vídeos aquí: %1</translation>
    </message>
    <message>
        <source>%1 images of this name already exist, such as %2</source>
        <translation>Ya existen %1 imágenes con este nombre, por ejemplo %2</translation>
    </message>
    <message>
        <source>Unable to write the image file %1: %2</source>
        <translation>No se puede escribir el archivo de imagen %1: %2</translation>
    </message>
    <message>
        <source>No image was chosen.</source>
        <translation>No se ha elegido ninguna imagen.</translation>
    </message>
    <message>
        <source>The frame rate must be above 0.</source>
        <translation>La frecuencia de fotogramas debe ser mayor que 0.</translation>
    </message>
    <message>
        <source>This file is one of the images: choose a different file name.</source>
        <translation>Este archivo es una de las imágenes: elija otro nombre de archivo.</translation>
    </message>
    <message>
        <source>The image %1 is %2 x %3 pixels; the first one is %4 x %5.</source>
        <translation>La imagen %1 mide %2 x %3 píxeles; la primera mide %4 x %5.</translation>
    </message>
    <message>
        <source>Summary</source>
        <translation>Resumen</translation>
    </message>
    <message>
        <source>Compression</source>
        <translation>Compresión</translation>
    </message>
    <message>
        <source>Dimensions</source>
        <translation>Dimensiones</translation>
    </message>
    <message>
        <source>Setup</source>
        <translation>Ajustes</translation>
    </message>
    <message>
        <source>Configure</source>
        <translation>Configurar</translation>
    </message>
    <message>
        <source>Compression quality in %</source>
        <translation>Calidad de compresión en %</translation>
    </message>
    <message>
        <source>Frame count between two key frames</source>
        <translation>Número de fotogramas entre dos fotogramas clave</translation>
    </message>
    <message>
        <source>Codecs are not normalized. Evolution is constant and new versions are frequent.</source>
        <translation>Los códecs no están normalizados. Evolucionan sin cesar y salen versiones nuevas a menudo.</translation>
    </message>
    <message>
        <source>Choosing a Codec often requires experimenting.</source>
        <translation>Elegir un códec suele exigir hacer pruebas.</translation>
    </message>
    <message>
        <source>Edit images</source>
        <translation>Modificar las imágenes</translation>
    </message>
    <message>
        <source>Resize</source>
        <translation>Redimensionar</translation>
    </message>
    <message>
        <source>Crop</source>
        <translation>Recortar</translation>
    </message>
    <message>
        <source>Image width in pixels</source>
        <translation>Anchura de la imagen en píxeles</translation>
    </message>
    <message>
        <source>Image height in pixels</source>
        <translation>Altura de la imagen en píxeles</translation>
    </message>
    <message>
        <source>pixels to crop from the top of the image</source>
        <translation>píxeles que recortar por arriba de la imagen</translation>
    </message>
    <message>
        <source>pixels to crop from the bottom</source>
        <translation>píxeles que recortar por abajo</translation>
    </message>
    <message>
        <source>pixels to crop from left or right</source>
        <translation>píxeles que recortar a la izquierda o a la derecha</translation>
    </message>
    <message>
        <source>Some codecs have restrictions on image size.</source>
        <translation>Algunos códecs imponen restricciones al tamaño de la imagen.</translation>
    </message>
    <message>
        <source>Width and height must be (often) multiples of 4.</source>
        <translation>La anchura y la altura deben ser (a menudo) múltiplos de 4.</translation>
    </message>
    <message>
        <source>Draw the marks, axes and scale</source>
        <translation>Dibujar las marcas, los ejes y la escala</translation>
    </message>
    <message>
        <source>Insert blank images in the new video to replace missing frames.</source>
        <translation>Insertar fotogramas vacíos en el nuevo vídeo en lugar de los fotogramas que faltan.</translation>
    </message>
    <message>
        <source>Change the frame rate</source>
        <translation>Cambiar la frecuencia de fotogramas</translation>
    </message>
    <message>
        <source>frames per second</source>
        <translation>fotogramas por segundo</translation>
    </message>
    <message>
        <source>Change the framework</source>
        <translation>Cambiar la interfaz</translation>
    </message>
    <message>
        <source>Kolibra selects a framework (VFW, FFMpeg or DS).</source>
        <translation>Kolibra elige una interfaz (VFW, FFMpeg o DS).</translation>
    </message>
    <message>
        <source>Change the framework involves:</source>
        <translation>Cambiar de interfaz implica:</translation>
    </message>
    <message>
        <source>a different choice of codecs</source>
        <translation>una oferta de códecs distinta</translation>
    </message>
    <message>
        <source>a difference in video quality</source>
        <translation>una diferencia en la calidad del vídeo</translation>
    </message>
    <message>
        <source>To use the FFMpeg framework, the « KlbDll » folder and the « kolibra » program must be placed in the same directory.</source>
        <translation>Para usar la interfaz FFMpeg, la carpeta « KlbDll » y el programa « kolibra » deben estar juntos en la misma carpeta.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
</context>
<context>
    <name>ResFormText</name>
    <message>
        <source>time</source>
        <translation>tiempo</translation>
    </message>
    <message>
        <source>Abscissa</source>
        <translation>Abscisa</translation>
    </message>
    <message>
        <source>Ordinates</source>
        <translation>Ordenada</translation>
    </message>
    <message>
        <source>Unit problem!</source>
        <translation>¡Problema de unidades!</translation>
    </message>
    <message>
        <source>Representation of several curves</source>
        <translation>Representación de varias curvas</translation>
    </message>
    <message>
        <source>Scalable Vector Graphics (*.svg)</source>
        <translation>Gráficos vectoriales escalables (*.svg)</translation>
    </message>
    <message>
        <source>Bitmap (*.bmp)</source>
        <translation>Mapa de bits (*.bmp)</translation>
    </message>
    <message>
        <source>Portable Network Graphics (*.png)</source>
        <translation>Portable Network Graphics (*.png)</translation>
    </message>
    <message>
        <source>A file with the same name already exists. Overwrite ?</source>
        <translation>Ya existe un archivo con el mismo nombre. ¿Desea sobrescribirlo?</translation>
    </message>
    <message>
        <source>No</source>
        <translation>No</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Sí</translation>
    </message>
    <message>
        <source>The file creation in the selected directory has failed.</source>
        <translation>No se ha podido crear el archivo en la carpeta seleccionada.</translation>
    </message>
    <message>
        <source>Check your access rights to this directory.</source>
        <translation>Compruebe sus permisos de acceso a esta carpeta.</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Saving to a file complete.</source>
        <translation>Archivo guardado.</translation>
    </message>
    <message>
        <source>Saving to an image file complete.</source>
        <translation>Imagen guardada en el archivo.</translation>
    </message>
    <message>
        <source>File extension is %1.</source>
        <translation>La extensión del archivo es %1.</translation>
    </message>
    <message>
        <source>The file copy to the clipboard has failed.</source>
        <translation>Ha fallado la copia al portapapeles.</translation>
    </message>
    <message>
        <source>Copy to clipboard done.</source>
        <translation>Copia al portapapeles realizada.</translation>
    </message>
    <message>
        <source>After closing this window, open another program and press Ctrl+V simultaneously (or click Edit &gt; Paste).</source>
        <translation>Tras cerrar esta ventana, abra otro programa y pulse Ctrl+V (o haga clic en Edición &gt; Pegar).</translation>
    </message>
    <message>
        <source>The pasted image can be disassembled.</source>
        <translation>La imagen pegada se puede descomponer.</translation>
    </message>
    <message>
        <source>as a function of time</source>
        <translation>en función del tiempo</translation>
    </message>
    <message>
        <source>Trajectory</source>
        <translation>Trayectoria</translation>
    </message>
    <message>
        <source>in the reference frame</source>
        <translation>en el sistema de referencia</translation>
    </message>
    <message>
        <source>Vector representation of</source>
        <translation>Representación vectorial de</translation>
    </message>
    <message>
        <source>function of</source>
        <translation>en función de</translation>
    </message>
    <message>
        <source>Speed and acceleration are calculated within a reference frame linked to the layer</source>
        <translation>La velocidad y la aceleración se calculan en un sistema de referencia ligado al calco</translation>
    </message>
    <message>
        <source>Velocity and acceleration are calculated in the reference frame of the camera </source>
        <translation>La velocidad y la aceleración se calculan en el sistema de referencia de la cámara </translation>
    </message>
    <message>
        <source>The reference frames are in translation with respect to each other</source>
        <translation>Los sistemas de referencia están en traslación uno respecto del otro</translation>
    </message>
    <message>
        <source>Export to an image file</source>
        <translation>Exportar a un archivo de imagen</translation>
    </message>
    <message>
        <source>Linear fit|Hover mouse over curve to set parameters</source>
        <translation>Ajuste lineal|Pase el ratón por encima de la curva para ajustar los parámetros</translation>
    </message>
    <message>
        <source>Fit using a constant value|Model parameters available by hovering over the curve</source>
        <translation>Ajuste a una constante|Los parámetros del modelo aparecen al pasar el ratón por encima de la curva</translation>
    </message>
    <message>
        <source>Fit using an exponential| Model parameters available by hovering over the curve </source>
        <translation>Ajuste exponencial| Los parámetros del modelo aparecen al pasar el ratón por encima de la curva </translation>
    </message>
    <message>
        <source>Parabolic fit|Hover mouse over curve to set parameters</source>
        <translation>Ajuste parabólico|Pase el ratón por encima de la curva para ajustar los parámetros</translation>
    </message>
    <message>
        <source>Fit using a line going through the origin|Model parameters available by hovering over the curve</source>
        <translation>Ajuste a una recta que pasa por el origen|Los parámetros del modelo aparecen al pasar el ratón por encima de la curva</translation>
    </message>
    <message>
        <source>Sine fit|Hover mouse over curve to set parameters</source>
        <translation>Ajuste sinusoidal|Pase el ratón por encima de la curva para ajustar los parámetros</translation>
    </message>
    <message>
        <source>Dampened sine fit (exponential dampening)|Hover mouse over curve to set parameters</source>
        <translation>Ajuste sinusoidal amortiguado (amortiguamiento exponencial)|Pase el ratón por encima de la curva para ajustar los parámetros</translation>
    </message>
    <message>
        <source>Dampened sine fit (linear dampening)|Hover mouse over curve to set parameters</source>
        <translation>Ajuste sinusoidal amortiguado (amortiguamiento lineal)|Pase el ratón por encima de la curva para ajustar los parámetros</translation>
    </message>
    <message>
        <source>Modify model curve|Position of the cursor over the curve determines which parameter is modified</source>
        <translation>Modificar la curva del modelo|La posición del cursor sobre la curva determina qué parámetro se modifica</translation>
    </message>
    <message>
        <source>New angle|Draw an angle defined by two straight lines with mouse</source>
        <translation>Nuevo ángulo|Dibujar con el ratón un ángulo definido por dos rectas</translation>
    </message>
    <message>
        <source>New arc|Draw an arc defined by two points</source>
        <translation>Nuevo arco|Dibujar un arco definido por dos puntos</translation>
    </message>
    <message>
        <source>New circle|Draw a new circle from the center</source>
        <translation>Nuevo círculo|Dibujar un nuevo círculo a partir del centro</translation>
    </message>
    <message>
        <source>New ellipse|Draw a new ellipse from its center</source>
        <translation>Nueva elipse|Dibujar una nueva elipse a partir de su centro</translation>
    </message>
    <message>
        <source>Bend an arc, a circle or an ellipse|Catch a point on the circumference or radius using the mouse</source>
        <translation>Curvar un arco, un círculo o una elipse|Tomar con el ratón un punto de la circunferencia o del radio</translation>
    </message>
    <message>
        <source>Duplicate objects|Duplicate the object under the mouse pointer; duplicate the objects in a rectangular zone</source>
        <translation>Duplicar objetos|Duplicar el objeto bajo el puntero del ratón; duplicar los objetos de una zona rectangular</translation>
    </message>
    <message>
        <source>Measure an angle or an object value|Measure an angle or an object value under mouse cursor</source>
        <translation>Medir un ángulo o el valor de un objeto|Medir un ángulo o el valor del objeto bajo el cursor del ratón</translation>
    </message>
    <message>
        <source>New segment|Draw a new segment</source>
        <translation>Nuevo segmento|Dibujar un nuevo segmento</translation>
    </message>
    <message>
        <source>New curve|Draw a curve by setting control points with the mouse.</source>
        <translation>Nueva curva|Dibujar una curva colocando puntos de control con el ratón.</translation>
    </message>
    <message>
        <source>Select, move or change an object|Select an object, move or change it with the mouse when cursor changes to a cross</source>
        <translation>Seleccionar, mover o cambiar un objeto|Seleccionar un objeto, moverlo o cambiarlo con el ratón cuando el cursor se convierte en una cruz</translation>
    </message>
    <message>
        <source>Delete objects|Delete the object under the mouse pointer; delete the objects in a rectangular zone</source>
        <translation>Borrar objetos|Borrar el objeto bajo el puntero del ratón; borrar los objetos de una zona rectangular</translation>
    </message>
    <message>
        <source>New vector|Draw a new vector with the mouse</source>
        <translation>Nuevo vector|Dibujar un nuevo vector con el ratón</translation>
    </message>
    <message>
        <source>Change vectors direction|Change direction of the vector under the mouse pointer; change direction of the vectors in a rectangular zone</source>
        <translation>Cambiar el sentido de los vectores|Cambiar el sentido del vector bajo el puntero del ratón; cambiar el sentido de los vectores de una zona rectangular</translation>
    </message>
    <message>
        <source>Draw the current video image|The video image is drawn behind the objects.</source>
        <translation>Dibujar el fotograma actual del vídeo|El fotograma del vídeo se dibuja detrás de los objetos.</translation>
    </message>
    <message>
        <source>Type formula</source>
        <translation>Escribir una fórmula</translation>
    </message>
    <message>
        <source>Mouse pointer coordinates|X and Y values of the mouse pointer within the graphical area.</source>
        <translation>Coordenadas del puntero del ratón|Valores de X y de Y del puntero del ratón en la zona gráfica.</translation>
    </message>
    <message>
        <source>Pan image|Drag an drop the figure with the mouse</source>
        <translation>Desplazar la imagen|Arrastrar y soltar la figura con el ratón</translation>
    </message>
    <message>
        <source>Zoom|Left-click = make bigger; right-click = make smaller; press CTRL simultaneously to slow down</source>
        <translation>Zoom|Clic izquierdo = ampliar; clic derecho = reducir; pulse CTRL a la vez para ir más despacio</translation>
    </message>
    <message>
        <source>Results</source>
        <translation>Resultados</translation>
    </message>
    <message>
        <source>Datasheet</source>
        <translation>Tabla de datos</translation>
    </message>
    <message>
        <source>Evolution as a function of time</source>
        <translation>Evolución en función del tiempo</translation>
    </message>
    <message>
        <source>Trajectory in reference frame</source>
        <translation>Trayectoria en el sistema de referencia</translation>
    </message>
    <message>
        <source>Vectors representation</source>
        <translation>Representación de vectores</translation>
    </message>
    <message>
        <source>Custom formulas</source>
        <translation>Fórmulas personalizadas</translation>
    </message>
    <message>
        <source>Back to video</source>
        <translation>Volver al vídeo</translation>
    </message>
    <message>
        <source>Choice</source>
        <translation>Elección</translation>
    </message>
    <message>
        <source>Tools</source>
        <translation>Herramientas</translation>
    </message>
    <message>
        <source>Hide column or change the number of significant digits</source>
        <translation>Ocultar la columna o cambiar el número de cifras significativas</translation>
    </message>
    <message>
        <source>Colour</source>
        <translation>Color</translation>
    </message>
    <message>
        <source>Duplicate</source>
        <translation>Duplicar</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Borrar</translation>
    </message>
    <message>
        <source>All</source>
        <translation>Todo</translation>
    </message>
    <message>
        <source>Bend the arc, the circle or the ellipse</source>
        <translation>Curvar el arco, el círculo o la elipse</translation>
    </message>
    <message>
        <source>Change direction</source>
        <translation>Cambiar el sentido</translation>
    </message>
    <message>
        <source>Draw</source>
        <translation>Dibujar</translation>
    </message>
    <message>
        <source>of the camera</source>
        <translation>de la cámara</translation>
    </message>
    <message>
        <source>velocity</source>
        <translation>velocidad</translation>
    </message>
    <message>
        <source>acceleration</source>
        <translation>aceleración</translation>
    </message>
    <message>
        <source>Draw segments :</source>
        <translation>Dibujar segmentos :</translation>
    </message>
    <message>
        <source>defaults</source>
        <translation>predeterminados</translation>
    </message>
    <message>
        <source>added</source>
        <translation>añadidos</translation>
    </message>
    <message>
        <source>Draw curves :</source>
        <translation>Dibujar curvas :</translation>
    </message>
    <message>
        <source>Draw vectors :</source>
        <translation>Dibujar vectores :</translation>
    </message>
    <message>
        <source>x-component of velocity</source>
        <translation>Componente x de la velocidad</translation>
    </message>
    <message>
        <source>y-component of velocity</source>
        <translation>Componente y de la velocidad</translation>
    </message>
    <message>
        <source>Value of velocity</source>
        <translation>Módulo de la velocidad</translation>
    </message>
    <message>
        <source>x-component of acceleration</source>
        <translation>Componente x de la aceleración</translation>
    </message>
    <message>
        <source>y-component of acceleration</source>
        <translation>Componente y de la aceleración</translation>
    </message>
    <message>
        <source>Value of acceleration</source>
        <translation>Módulo de la aceleración</translation>
    </message>
    <message>
        <source>Angular coordinate</source>
        <translation>Coordenada angular</translation>
    </message>
    <message>
        <source>Radial coordinate</source>
        <translation>Coordenada radial</translation>
    </message>
    <message>
        <source>Angular velocity value</source>
        <translation>Velocidad angular</translation>
    </message>
    <message>
        <source>x-component of momentum</source>
        <translation>Componente x de la cantidad de movimiento</translation>
    </message>
    <message>
        <source>y-component of momentum</source>
        <translation>Componente y de la cantidad de movimiento</translation>
    </message>
    <message>
        <source>Value of momentum</source>
        <translation>Módulo de la cantidad de movimiento</translation>
    </message>
    <message>
        <source>Kinetic energy</source>
        <translation>Energía cinética</translation>
    </message>
    <message>
        <source>Potential energy of weight</source>
        <translation>Energía potencial gravitatoria</translation>
    </message>
    <message>
        <source>Mechanical energy</source>
        <translation>Energía mecánica</translation>
    </message>
    <message>
        <source>Fit regression is available for only one curve at a time.</source>
        <translation>El ajuste solo se puede hacer en una curva a la vez.</translation>
    </message>
    <message>
        <source>First select a model (linear, parabolic, sine...)</source>
        <translation>Elija primero un modelo (lineal, parabólico, sinusoidal...)</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Deshacer</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Archivo</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>Exportar</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Imprimir</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Edición</translation>
    </message>
    <message>
        <source>Restore graph</source>
        <translation>Restaurar el gráfico</translation>
    </message>
    <message>
        <source>Restore table</source>
        <translation>Restaurar la tabla</translation>
    </message>
    <message>
        <source>Copy frame to clipboard</source>
        <translation>Copiar la imagen al portapapeles</translation>
    </message>
    <message>
        <source>Copy datasheet to clipboard</source>
        <translation>Copiar la tabla de datos al portapapeles</translation>
    </message>
    <message>
        <source>Copy and launch</source>
        <translation>Copiar y abrir en</translation>
    </message>
    <message>
        <source>Excel</source>
        <translation>Excel</translation>
    </message>
    <message>
        <source>OpenOffice</source>
        <translation>OpenOffice</translation>
    </message>
    <message>
        <source>Regressi</source>
        <translation>Regressi</translation>
    </message>
    <message>
        <source>Display</source>
        <translation>Ver</translation>
    </message>
    <message>
        <source>Zoom</source>
        <translation>Zoom</translation>
    </message>
    <message>
        <source>of x-axis</source>
        <translation>del eje x</translation>
    </message>
    <message>
        <source>of y-axis</source>
        <translation>del eje y</translation>
    </message>
    <message>
        <source>Origin</source>
        <translation>Origen</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Tamaño</translation>
    </message>
    <message>
        <source>small</source>
        <translation>pequeño</translation>
    </message>
    <message>
        <source>average</source>
        <translation>mediano</translation>
    </message>
    <message>
        <source>large</source>
        <translation>grande</translation>
    </message>
    <message>
        <source>Numbering</source>
        <translation>Numeración</translation>
    </message>
    <message>
        <source>bellow the point</source>
        <translation>debajo del punto</translation>
    </message>
    <message>
        <source>on the right of the point</source>
        <translation>a la derecha del punto</translation>
    </message>
    <message>
        <source>none</source>
        <translation>ninguna</translation>
    </message>
    <message>
        <source>Coordinates</source>
        <translation>Coordenadas</translation>
    </message>
    <message>
        <source>Velocity</source>
        <translation>Velocidad</translation>
    </message>
    <message>
        <source>Acceleration</source>
        <translation>Aceleración</translation>
    </message>
    <message>
        <source>Polar quantities</source>
        <translation>Magnitudes polares</translation>
    </message>
    <message>
        <source>broken line</source>
        <translation>línea quebrada</translation>
    </message>
    <message>
        <source>graph origin</source>
        <translation>origen de los ejes</translation>
    </message>
    <message>
        <source>the value of the vectors</source>
        <translation>módulo de los vectores</translation>
    </message>
    <message>
        <source>same as the video</source>
        <translation>como en el vídeo</translation>
    </message>
    <message>
        <source>in the graph basis (O, x, y)</source>
        <translation>en los ejes (O, x, y)</translation>
    </message>
    <message>
        <source>Model modifier</source>
        <translation>Modificador de modelo</translation>
    </message>
    <message>
        <source>Equation display</source>
        <translation>mostrar la ecuación</translation>
    </message>
    <message>
        <source>statistics</source>
        <translation>mostrar las estadísticas</translation>
    </message>
    <message>
        <source>Bubble of values</source>
        <translation>Recuadro de valores</translation>
    </message>
    <message>
        <source>up right</source>
        <translation>arriba a la derecha</translation>
    </message>
    <message>
        <source>up left</source>
        <translation>arriba a la izquierda</translation>
    </message>
    <message>
        <source>bottom left</source>
        <translation>abajo a la izquierda</translation>
    </message>
    <message>
        <source>bottom right</source>
        <translation>abajo a la derecha</translation>
    </message>
    <message>
        <source>Calculations</source>
        <translation>Cálculos</translation>
    </message>
    <message>
        <source>Time between two frames</source>
        <translation>Tiempo entre dos fotogramas</translation>
    </message>
    <message>
        <source>Smooth values of the velocity</source>
        <translation>Suavizar los valores de la velocidad</translation>
    </message>
    <message>
        <source>Smooth values of the acceleration</source>
        <translation>Suavizar los valores de la aceleración</translation>
    </message>
    <message>
        <source>Calculator</source>
        <translation>Calculadora</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Ayuda</translation>
    </message>
    <message>
        <source>Kolibra help</source>
        <translation>Ayuda de Kolibra</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Acerca de</translation>
    </message>
    <message>
        <source>Angle</source>
        <translation>Ángulo</translation>
    </message>
    <message>
        <source>Arc</source>
        <translation>Arco</translation>
    </message>
    <message>
        <source>Circle</source>
        <translation>Círculo</translation>
    </message>
    <message>
        <source>Ellipse</source>
        <translation>Elipse</translation>
    </message>
    <message>
        <source>Segment</source>
        <translation>Segmento</translation>
    </message>
    <message>
        <source>Curve</source>
        <translation>Curva</translation>
    </message>
    <message>
        <source>Vector</source>
        <translation>Vector</translation>
    </message>
    <message>
        <source>Draw an angle</source>
        <translation>Dibujar un ángulo</translation>
    </message>
    <message>
        <source>Draw an arc</source>
        <translation>Dibujar un arco</translation>
    </message>
    <message>
        <source>Draw a circle</source>
        <translation>Dibujar un círculo</translation>
    </message>
    <message>
        <source>Draw an ellipse</source>
        <translation>Dibujar una elipse</translation>
    </message>
    <message>
        <source>Draw a segment</source>
        <translation>Dibujar un segmento</translation>
    </message>
    <message>
        <source>Draw a curve</source>
        <translation>Dibujar una curva</translation>
    </message>
    <message>
        <source>Draw a vector</source>
        <translation>Dibujar un vector</translation>
    </message>
    <message>
        <source>Measure a value or an angle</source>
        <translation>Medir un valor o un ángulo</translation>
    </message>
    <message>
        <source>Modify model curve</source>
        <translation>Modificar la curva del modelo</translation>
    </message>
    <message>
        <source>Pan image</source>
        <translation>Desplazar la imagen</translation>
    </message>
    <message>
        <source>Mouse pointer coordinates</source>
        <translation>Coordenadas del puntero del ratón</translation>
    </message>
    <message>
        <source>Select an object</source>
        <translation>Seleccionar un objeto</translation>
    </message>
    <message>
        <source>(none)</source>
        <translation>(ninguna)</translation>
    </message>
    <message>
        <source>|Hover the mouse over the curve to see parameters</source>
        <translation>|Pase el ratón por encima de la curva para ver los parámetros</translation>
    </message>
</context>
<context>
    <name>ServeurText</name>
    <message>
        <source>Ok</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Continue</source>
        <translation>Continuar</translation>
    </message>
    <message>
        <source>Substitute</source>
        <translation>Sustituir</translation>
    </message>
    <message>
        <source>Copy to clipboard complete.</source>
        <translation>Copia al portapapeles realizada.</translation>
    </message>
    <message>
        <source>After closing this window, open a window and press Ctrl + V (or click Edit &gt; Paste).</source>
        <translation>Tras cerrar esta ventana, abra una ventana y pulse Ctrl + V (o haga clic en Edición &gt; Pegar).</translation>
    </message>
    <message>
        <source>Columns are separated by tabulations.</source>
        <translation>Las columnas están separadas por tabuladores.</translation>
    </message>
    <message>
        <source>The file copy to the clipboard has failed.</source>
        <translation>Ha fallado la copia al portapapeles.</translation>
    </message>
    <message>
        <source>Datasheet</source>
        <translation>Tabla de datos</translation>
    </message>
    <message>
        <source>Export to text file</source>
        <translation>Exportar a un archivo de texto</translation>
    </message>
    <message>
        <source>Tab separated values (*.txt)|*.txt</source>
        <translation>Valores separados por tabuladores (*.txt)|*.txt</translation>
    </message>
    <message>
        <source>Save to text file complete.</source>
        <translation>Archivo de texto guardado.</translation>
    </message>
    <message>
        <source>File has TXT extension.</source>
        <translation>El archivo tiene la extensión TXT.</translation>
    </message>
    <message>
        <source>The file creation in the selected directory has failed.</source>
        <translation>No se ha podido crear el archivo en la carpeta seleccionada.</translation>
    </message>
    <message>
        <source>Check your access rights to this directory.</source>
        <translation>Compruebe sus permisos de acceso a esta carpeta.</translation>
    </message>
    <message>
        <source>A file with the same name already exists. Overwrite ?</source>
        <translation>Ya existe un archivo con el mismo nombre. ¿Desea sobrescribirlo?</translation>
    </message>
    <message>
        <source>Export the datasheet</source>
        <translation>Exportar la tabla de datos</translation>
    </message>
    <message>
        <source>Tab separated values (*.txt)|*.txt|Excel workbook (*.xlsx)|*.xlsx|OpenDocument spreadsheet (*.ods)|*.ods|Comma separated values (*.csv)|*.csv|JSON data (*.json)|*.json|Jupyter notebook (*.ipynb)|*.ipynb</source>
        <translation>Valores separados por tabuladores (*.txt)|*.txt|Libro de Excel (*.xlsx)|*.xlsx|Hoja de cálculo OpenDocument (*.ods)|*.ods|Valores separados por comas (*.csv)|*.csv|Datos JSON (*.json)|*.json|Cuaderno de Jupyter (*.ipynb)|*.ipynb</translation>
    </message>
    <message>
        <source>The datasheet has been saved:</source>
        <translation>Se ha guardado la tabla de datos:</translation>
    </message>
    <message>
        <source>The workbook is written in this file:</source>
        <translation>El libro se ha escrito en este archivo:</translation>
    </message>
    <message>
        <source>No program could be started to show it. Open it with your spreadsheet program, or install LibreOffice (the Debian package libreoffice-calc) to have Kolibra open it for you.</source>
        <translation>No se ha podido iniciar ningún programa para mostrarlo. Ábralo con su hoja de cálculo, o instale LibreOffice (el paquete de Debian libreoffice-calc) para que Kolibra lo abra por usted.</translation>
    </message>
    <message>
        <source>An error occurred while processing the connection with Excel.</source>
        <translation>Se ha producido un error en la conexión con Excel.</translation>
    </message>
    <message>
        <source>An error occurred while processing the connection with OpenOffice.</source>
        <translation>Se ha producido un error en la conexión con OpenOffice.</translation>
    </message>
    <message>
        <source>An error occurred while activating the system manager.</source>
        <translation>Se ha producido un error al activar el gestor del sistema.</translation>
    </message>
    <message>
        <source>Unable to open the spreadsheet.</source>
        <translation>No se puede abrir la hoja de cálculo.</translation>
    </message>
    <message>
        <source>Unable to create a new sheet.</source>
        <translation>No se puede crear una hoja nueva.</translation>
    </message>
    <message>
        <source>Unable to find the datasheet.</source>
        <translation>No se encuentra la tabla de datos.</translation>
    </message>
    <message>
        <source>An error occurred while writing in a cell.</source>
        <translation>Se ha producido un error al escribir en una celda.</translation>
    </message>
    <message>
        <source>The copy was canceled because Regressi is not found.</source>
        <translation>Se ha cancelado la copia porque no se encuentra Regressi.</translation>
    </message>
    <message>
        <source>Please follow the procedure:</source>
        <translation>Siga este procedimiento:</translation>
    </message>
    <message>
        <source>use the « Search » button in the next window</source>
        <translation>use el botón « Buscar » de la ventana siguiente</translation>
    </message>
    <message>
        <source>if search is successful, use the button « Open »</source>
        <translation>si la búsqueda tiene éxito, use el botón « Abrir »</translation>
    </message>
    <message>
        <source>Finally, restart the canceled copy (Edit &gt; Copy and launch &gt; Regressi).</source>
        <translation>Por último, repita la copia cancelada (Edición &gt; Copiar y abrir en &gt; Regressi).</translation>
    </message>
    <message>
        <source>Regressi does not accept more than 16 variables.</source>
        <translation>Regressi no admite más de 16 variables.</translation>
    </message>
    <message>
        <source>This could produce random results.</source>
        <translation>Esto podría dar resultados aleatorios.</translation>
    </message>
    <message>
        <source>An error occurred while launching Regressi.</source>
        <translation>Se ha producido un error al iniciar Regressi.</translation>
    </message>
    <message>
        <source>The datasheet contains non defined values.</source>
        <translation>La tabla de datos contiene valores no definidos.</translation>
    </message>
    <message>
        <source>An old version of Regressi could misinterpret these data.</source>
        <translation>Una versión antigua de Regressi podría interpretar mal estos datos.</translation>
    </message>
    <message>
        <source>Substitute non defined values by zeros?</source>
        <translation>¿Sustituir los valores no definidos por ceros?</translation>
    </message>
    <message>
        <source>Regressi is starting: once its window is open, press Ctrl + V (or click Edit &gt; Paste) in it.</source>
        <translation>Regressi se está iniciando: cuando su ventana esté abierta, pulse en ella Ctrl + V (o haga clic en Edición &gt; Pegar).</translation>
    </message>
</context>
<context>
    <name>StudioText</name>
    <message>
        <source>Ok</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Bitmap file (*.bmp)</source>
        <translation>Archivo de mapa de bits (*.bmp)</translation>
    </message>
    <message>
        <source>PNG picture (*.png)</source>
        <translation>Imagen PNG (*.png)</translation>
    </message>
    <message>
        <source>The file creation in the selected directory has failed.</source>
        <translation>No se ha podido crear el archivo en la carpeta seleccionada.</translation>
    </message>
    <message>
        <source>Check your access rights to this directory.</source>
        <translation>Compruebe sus permisos de acceso a esta carpeta.</translation>
    </message>
    <message>
        <source>Unexpected error detected during image capture.</source>
        <translation>Se ha producido un error inesperado durante la captura de la imagen.</translation>
    </message>
    <message>
        <source>Abort</source>
        <translation>Interrumpir</translation>
    </message>
    <message>
        <source>Save image to file</source>
        <translation>Guardar la imagen en un archivo</translation>
    </message>
    <message>
        <source>Saving to an image file complete.</source>
        <translation>Imagen guardada en el archivo.</translation>
    </message>
    <message>
        <source>File extension is PNG.</source>
        <translation>La extensión del archivo es PNG.</translation>
    </message>
    <message>
        <source>File extension is BMP.</source>
        <translation>La extensión del archivo es BMP.</translation>
    </message>
    <message>
        <source>First draw the outline of an object.</source>
        <translation>Dibuje primero el contorno de un objeto.</translation>
    </message>
    <message>
        <source>Use the button « Draw the outline of an object ».</source>
        <translation>Use el botón « Dibujar el contorno de un objeto ».</translation>
    </message>
    <message>
        <source>Object&apos;s images at different positions can be drawn:</source>
        <translation>Las imágenes del objeto en distintas posiciones pueden dibujarse:</translation>
    </message>
    <message>
        <source>- on a blank page</source>
        <translation>- sobre una página en blanco</translation>
    </message>
    <message>
        <source>- on a background image</source>
        <translation>- sobre una imagen de fondo</translation>
    </message>
    <message>
        <source>The video frame placed in the background corresponding to the first position of the object.</source>
        <translation>El fotograma del vídeo que se pone de fondo es el que corresponde a la primera posición del objeto.</translation>
    </message>
    <message>
        <source>Insert a background image</source>
        <translation>Insertar una imagen de fondo</translation>
    </message>
    <message>
        <source>Unexpected error detected during the creation of the chronophotography .</source>
        <translation>Se ha producido un error inesperado al crear la cronofotografía.</translation>
    </message>
    <message>
        <source>Save chronophotography to file</source>
        <translation>Guardar la cronofotografía en un archivo</translation>
    </message>
    <message>
        <source>File successfully saved:</source>
        <translation>Archivo guardado correctamente:</translation>
    </message>
    <message>
        <source>The picture must be a .png or a .bmp file.</source>
        <translation>La imagen debe ser un archivo .png o .bmp.</translation>
    </message>
    <message>
        <source>A file with this name already exists; nothing was written.</source>
        <translation>Ya existe un archivo con este nombre; no se ha escrito nada.</translation>
    </message>
    <message>
        <source>Give at least one circle: --circle FRAME:X,Y,RADIUS.</source>
        <translation>Indique al menos un círculo: --circle FRAME:X,Y,RADIUS.</translation>
    </message>
    <message>
        <source>Unable to open this video file.</source>
        <translation>No se puede abrir este archivo de vídeo.</translation>
    </message>
    <message>
        <source>Can not open this video file.</source>
        <translation>No se puede abrir este archivo de vídeo.</translation>
    </message>
    <message>
        <source>Frame %1 is not in the video (0 to %2).</source>
        <translation>El fotograma %1 no está en el vídeo (0 a %2).</translation>
    </message>
    <message>
        <source>The circle on frame %1 has no radius.</source>
        <translation>El círculo del fotograma %1 no tiene radio.</translation>
    </message>
    <message>
        <source>Frame %1 has two circles; a frame holds one outline.</source>
        <translation>El fotograma %1 tiene dos círculos; un fotograma lleva un solo contorno.</translation>
    </message>
    <message>
        <source>The circle on frame %1 encloses nothing of the picture, or the frame cannot be read.</source>
        <translation>El círculo del fotograma %1 no abarca nada de la imagen, o no se puede leer el fotograma.</translation>
    </message>
</context>
<context>
    <name>TBoiteRecordMontage</name>
    <message>
        <source>without</source>
        <translation>sin compresión</translation>
    </message>
</context>
<context>
    <name>TFFMpegPlay</name>
    <message>
        <source>%1 is missing.</source>
        <translation>Falta %1.</translation>
    </message>
    <message>
        <source>The « FFmpeg » libraries are not installed on the hard disk.</source>
        <translation>Las bibliotecas « FFmpeg » no están instaladas en el disco duro.</translation>
    </message>
    <message>
        <source>Please download and install the « KlbDll » folder.</source>
        <translation>Descargue e instale la carpeta « KlbDll ».</translation>
    </message>
    <message>
        <source>The « FFmpeg » libraries installed on the hard disk are too old.</source>
        <translation>Las bibliotecas « FFmpeg » instaladas en el disco duro son demasiado antiguas.</translation>
    </message>
    <message>
        <source>Please download and install a newer version of the « KlbDll » folder.</source>
        <translation>Descargue e instale una versión más reciente de la carpeta « KlbDll ».</translation>
    </message>
    <message>
        <source>Unknown error</source>
        <translation>Error desconocido</translation>
    </message>
</context>
<context>
    <name>TFFMpegRecord</name>
    <message>
        <source>No codec is called &quot;%1&quot;.</source>
        <translation>No hay ningún códec llamado &quot;%1&quot;.</translation>
    </message>
</context>
<context>
    <name>TGModele</name>
    <message>
        <source>Fitted from %1 = %2 to %3</source>
        <translation>Ajustado de %1 = %2 a %3</translation>
    </message>
</context>
<context>
    <name>THistorique</name>
    <message>
        <source>Choose</source>
        <translation>elegir</translation>
    </message>
    <message>
        <source>Set</source>
        <translation>colocar</translation>
    </message>
    <message>
        <source>Move</source>
        <translation>mover</translation>
    </message>
    <message>
        <source>Define</source>
        <translation>definir</translation>
    </message>
    <message>
        <source>Transform</source>
        <translation>transformar</translation>
    </message>
    <message>
        <source>Erase</source>
        <translation>borrar</translation>
    </message>
    <message>
        <source>Change direction</source>
        <translation>cambiar el sentido</translation>
    </message>
    <message>
        <source>Modify</source>
        <translation>modificar</translation>
    </message>
    <message>
        <source>Rotate</source>
        <translation>girar</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>quitar</translation>
    </message>
    <message>
        <source>Scale</source>
        <translation>escala</translation>
    </message>
    <message>
        <source>Mark</source>
        <translation>marca</translation>
    </message>
    <message>
        <source>Layer</source>
        <translation>calco</translation>
    </message>
    <message>
        <source>Grid</source>
        <translation>ejes</translation>
    </message>
    <message>
        <source>Plane</source>
        <translation>plano</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Deshacer</translation>
    </message>
</context>
<context>
    <name>TModeleur</name>
    <message>
        <source>Decrease value rapidly</source>
        <translation>Disminuir el valor rápidamente</translation>
    </message>
    <message>
        <source>Decrease value; press CTRL at the same time to slow down the progression</source>
        <translation>Disminuir el valor; pulse CTRL a la vez para ir más despacio</translation>
    </message>
    <message>
        <source>Increase value; press CTRL at the same time to slow down the progression</source>
        <translation>Aumentar el valor; pulse CTRL a la vez para ir más despacio</translation>
    </message>
    <message>
        <source>Increase value rapidly</source>
        <translation>Aumentar el valor rápidamente</translation>
    </message>
</context>
<context>
    <name>TOptions</name>
    <message>
        <source>Wrong password.</source>
        <translation>Contraseña incorrecta.</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>bellow the point</source>
        <translation>debajo del punto</translation>
    </message>
    <message>
        <source>on the right of the point</source>
        <translation>a la derecha del punto</translation>
    </message>
    <message>
        <source>none</source>
        <translation>ninguna</translation>
    </message>
    <message>
        <source>small</source>
        <translation>pequeño</translation>
    </message>
    <message>
        <source>average</source>
        <translation>mediano</translation>
    </message>
    <message>
        <source>large</source>
        <translation>grande</translation>
    </message>
    <message>
        <source>circle</source>
        <translation>círculo</translation>
    </message>
    <message>
        <source>broken line</source>
        <translation>línea quebrada</translation>
    </message>
    <message>
        <source>free</source>
        <translation>libre</translation>
    </message>
    <message>
        <source>Fit using a constant value|Model parameters available by hovering over the curve</source>
        <translation>Ajuste a una constante|Los parámetros del modelo aparecen al pasar el ratón por encima de la curva</translation>
    </message>
    <message>
        <source>Linear fit|Hover mouse over curve to set parameters</source>
        <translation>Ajuste lineal|Pase el ratón por encima de la curva para ajustar los parámetros</translation>
    </message>
    <message>
        <source>Fit using a line going through the origin|Model parameters available by hovering over the curve</source>
        <translation>Ajuste a una recta que pasa por el origen|Los parámetros del modelo aparecen al pasar el ratón por encima de la curva</translation>
    </message>
    <message>
        <source>Parabolic fit|Hover mouse over curve to set parameters</source>
        <translation>Ajuste parabólico|Pase el ratón por encima de la curva para ajustar los parámetros</translation>
    </message>
    <message>
        <source>Sine fit|Hover mouse over curve to set parameters</source>
        <translation>Ajuste sinusoidal|Pase el ratón por encima de la curva para ajustar los parámetros</translation>
    </message>
    <message>
        <source>Dampened sine fit (exponential dampening)|Hover mouse over curve to set parameters</source>
        <translation>Ajuste sinusoidal amortiguado (amortiguamiento exponencial)|Pase el ratón por encima de la curva para ajustar los parámetros</translation>
    </message>
    <message>
        <source>Dampened sine fit (linear dampening)|Hover mouse over curve to set parameters</source>
        <translation>Ajuste sinusoidal amortiguado (amortiguamiento lineal)|Pase el ratón por encima de la curva para ajustar los parámetros</translation>
    </message>
    <message>
        <source>Fit using an exponential| Model parameters available by hovering over the curve </source>
        <translation>Ajuste exponencial| Los parámetros del modelo aparecen al pasar el ratón por encima de la curva </translation>
    </message>
    <message>
        <source>Modify model curve|Position of the cursor over the curve determines which parameter is modified</source>
        <translation>Modificar la curva del modelo|La posición del cursor sobre la curva determina qué parámetro se modifica</translation>
    </message>
    <message>
        <source>Mouse pointer coordinates|X and Y values of the mouse pointer within the graphical area.</source>
        <translation>Coordenadas del puntero del ratón|Valores de X y de Y del puntero del ratón en la zona gráfica.</translation>
    </message>
    <message>
        <source>New angle|Draw an angle defined by two straight lines with mouse</source>
        <translation>Nuevo ángulo|Dibujar con el ratón un ángulo definido por dos rectas</translation>
    </message>
    <message>
        <source>New arc|Draw an arc defined by two points</source>
        <translation>Nuevo arco|Dibujar un arco definido por dos puntos</translation>
    </message>
    <message>
        <source>New circle|Draw a new circle from the center</source>
        <translation>Nuevo círculo|Dibujar un nuevo círculo a partir del centro</translation>
    </message>
    <message>
        <source>Bend an arc, a circle or an ellipse|Catch a point on the circumference or radius using the mouse</source>
        <translation>Curvar un arco, un círculo o una elipse|Tomar con el ratón un punto de la circunferencia o del radio</translation>
    </message>
    <message>
        <source>Duplicate objects|Duplicate the object under the mouse pointer; duplicate the objects in a rectangular zone</source>
        <translation>Duplicar objetos|Duplicar el objeto bajo el puntero del ratón; duplicar los objetos de una zona rectangular</translation>
    </message>
    <message>
        <source>New ellipse|Draw a new ellipse from its center</source>
        <translation>Nueva elipse|Dibujar una nueva elipse a partir de su centro</translation>
    </message>
    <message>
        <source>Measure an angle or an object value|Measure an angle or an object value under mouse cursor</source>
        <translation>Medir un ángulo o el valor de un objeto|Medir un ángulo o el valor del objeto bajo el cursor del ratón</translation>
    </message>
    <message>
        <source>New segment|Draw a new segment</source>
        <translation>Nuevo segmento|Dibujar un nuevo segmento</translation>
    </message>
    <message>
        <source>Select, move or change an object|Select an object, move or change it with the mouse when cursor changes to a cross</source>
        <translation>Seleccionar, mover o cambiar un objeto|Seleccionar un objeto, moverlo o cambiarlo con el ratón cuando el cursor se convierte en una cruz</translation>
    </message>
    <message>
        <source>New curve|Draw a curve by setting control points with the mouse.</source>
        <translation>Nueva curva|Dibujar una curva colocando puntos de control con el ratón.</translation>
    </message>
    <message>
        <source>Delete objects|Delete the object under the mouse pointer; delete the objects in a rectangular zone</source>
        <translation>Borrar objetos|Borrar el objeto bajo el puntero del ratón; borrar los objetos de una zona rectangular</translation>
    </message>
    <message>
        <source>Change vectors direction|Change direction of the vector under the mouse pointer; change direction of the vectors in a rectangular zone</source>
        <translation>Cambiar el sentido de los vectores|Cambiar el sentido del vector bajo el puntero del ratón; cambiar el sentido de los vectores de una zona rectangular</translation>
    </message>
    <message>
        <source>New vector|Draw a new vector with the mouse</source>
        <translation>Nuevo vector|Dibujar un nuevo vector con el ratón</translation>
    </message>
    <message>
        <source>Draw the current video image|The video image is drawn behind the objects.</source>
        <translation>Dibujar el fotograma actual del vídeo|El fotograma del vídeo se dibuja detrás de los objetos.</translation>
    </message>
    <message>
        <source>Show this command in Results toolbar</source>
        <translation>Mostrar esta orden en la barra de herramientas de Resultados</translation>
    </message>
    <message>
        <source>|Limit switching between different windows</source>
        <translation>|Limita los cambios entre ventanas</translation>
    </message>
    <message>
        <source>|Display may be cluttered up with 2 or 3 video marks per frame</source>
        <translation>|La pantalla puede quedar recargada con 2 o 3 marcas por fotograma</translation>
    </message>
    <message>
        <source>Allow x-axis zoom</source>
        <translation>Permitir el zoom en el eje x</translation>
    </message>
    <message>
        <source>|Stretch frame horizontally</source>
        <translation>|Estirar el fotograma horizontalmente</translation>
    </message>
    <message>
        <source>Allow y-axis zoom</source>
        <translation>Permitir el zoom en el eje y</translation>
    </message>
    <message>
        <source>|Stretch frame vertically</source>
        <translation>|Estirar el fotograma verticalmente</translation>
    </message>
    <message>
        <source>Draw connecting segments (polyline)</source>
        <translation>Dibujar segmentos de unión (línea poligonal)</translation>
    </message>
    <message>
        <source>|Avoid if experimental data vary strongly</source>
        <translation>|Evítelo si los datos experimentales varían mucho</translation>
    </message>
    <message>
        <source>Show equation while model modification</source>
        <translation>Mostrar la ecuación al modificar el modelo</translation>
    </message>
    <message>
        <source>|You wish to modify a model and see its equation change</source>
        <translation>|Para modificar un modelo y ver cómo cambia su ecuación</translation>
    </message>
    <message>
        <source>Show statistics during model modification</source>
        <translation>Mostrar las estadísticas al modificar el modelo</translation>
    </message>
    <message>
        <source>|Observe deviation between model and measurements</source>
        <translation>|Observar la desviación entre el modelo y las medidas</translation>
    </message>
    <message>
        <source>Number the marks</source>
        <translation>Numerar las marcas</translation>
    </message>
    <message>
        <source>|Visual link with video marks</source>
        <translation>|Vínculo visual con las marcas del vídeo</translation>
    </message>
    <message>
        <source>|Check to improve numerical derivations</source>
        <translation>|Marque para mejorar las derivadas numéricas</translation>
    </message>
    <message>
        <source>Thickness of lines and marks</source>
        <translation>Grosor de las líneas y de las marcas</translation>
    </message>
    <message>
        <source>Shape of object outline</source>
        <translation>Forma del contorno del objeto</translation>
    </message>
    <message>
        <source>Send a message to confirm quitting program</source>
        <translation>Pedir confirmación antes de salir del programa</translation>
    </message>
    <message>
        <source>|Avoid an unwanted exit</source>
        <translation>|Evita una salida no deseada</translation>
    </message>
    <message>
        <source>Send a message to confirm closing files</source>
        <translation>Pedir confirmación antes de cerrar archivos</translation>
    </message>
    <message>
        <source>|Avoid changing video sequence without saving your work</source>
        <translation>|Evita cambiar de secuencia de vídeo sin guardar el trabajo</translation>
    </message>
    <message>
        <source>Add or remove favourite formulas</source>
        <translation>Añadir o quitar fórmulas favoritas</translation>
    </message>
    <message>
        <source>|Uncheck to avoid unwanted formulas</source>
        <translation>|Desmarque para evitar fórmulas no deseadas</translation>
    </message>
    <message>
        <source>Freeze menu: File &gt; Open recent file &gt; ...</source>
        <translation>Congelar el menú: Archivo &gt; Archivos recientes &gt; ...</translation>
    </message>
    <message>
        <source>|Avoid showing undesirable files</source>
        <translation>|Evita mostrar archivos no deseados</translation>
    </message>
    <message>
        <source>Smooth acceleration values</source>
        <translation>Suavizar los valores de la aceleración</translation>
    </message>
    <message>
        <source>Show acceleration in the results</source>
        <translation>Mostrar la aceleración en los resultados</translation>
    </message>
    <message>
        <source>|Uncheck to hide acceleration in the results</source>
        <translation>|Desmarque para ocultar la aceleración en los resultados</translation>
    </message>
    <message>
        <source>Show velocity in results</source>
        <translation>Mostrar la velocidad en los resultados</translation>
    </message>
    <message>
        <source>|Uncheck to hide velocity in the results</source>
        <translation>|Desmarque para ocultar la velocidad en los resultados</translation>
    </message>
    <message>
        <source>Show columns related to velocity</source>
        <translation>Mostrar las columnas de la velocidad</translation>
    </message>
    <message>
        <source>Show columns related to acceleration</source>
        <translation>Mostrar las columnas de la aceleración</translation>
    </message>
    <message>
        <source>Draw initial vectors</source>
        <translation>Dibujar los vectores iniciales</translation>
    </message>
    <message>
        <source>|Make the user guess direction of vectors before drawing</source>
        <translation>|Hacer que el usuario prevea la dirección de los vectores antes de dibujarlos</translation>
    </message>
    <message>
        <source>Draw initial segments</source>
        <translation>Dibujar los segmentos iniciales</translation>
    </message>
    <message>
        <source>Set zero on the y-coordinate axis</source>
        <translation>Incluir el cero en el eje de ordenadas</translation>
    </message>
    <message>
        <source>|Avoid zoom effect for close y-values</source>
        <translation>|Evita el efecto lupa con valores de y próximos</translation>
    </message>
    <message>
        <source>Show this command in formulas</source>
        <translation>Mostrar esta orden en las fórmulas</translation>
    </message>
    <message>
        <source>|Uncheck for a limited but more simple use</source>
        <translation>|Desmarque para un uso limitado pero más sencillo</translation>
    </message>
    <message>
        <source>Show columns related to coordinates</source>
        <translation>Mostrar las columnas de las coordenadas</translation>
    </message>
    <message>
        <source>Hide velocity at endpoints (one mark)</source>
        <translation>Ocultar la velocidad en los extremos (una marca)</translation>
    </message>
    <message>
        <source>|Approximated calculation of the first derivative is rarely satisfying near edges</source>
        <translation>|El cálculo aproximado de la derivada primera rara vez es satisfactorio cerca de los extremos</translation>
    </message>
    <message>
        <source>Hide acceleration at endpoints (two marks)</source>
        <translation>Ocultar la aceleración en los extremos (dos marcas)</translation>
    </message>
    <message>
        <source>|Approximated calculation of the second derivative is rarely satisfying near edges</source>
        <translation>|El cálculo aproximado de la derivada segunda rara vez es satisfactorio cerca de los extremos</translation>
    </message>
    <message>
        <source>Show angles in radian (degree by default)</source>
        <translation>Mostrar los ángulos en radianes (en grados por defecto)</translation>
    </message>
    <message>
        <source>|Unchecked: sin(30°) = 0.5</source>
        <translation>|Sin marcar: sin(30°) = 0.5</translation>
    </message>
    <message>
        <source>Draw graph basis origin</source>
        <translation>Dibujar el origen de los ejes</translation>
    </message>
    <message>
        <source>|Useful for circular trajectory study</source>
        <translation>|Útil para estudiar una trayectoria circular</translation>
    </message>
    <message>
        <source>Set zero on the x-coordinate axis</source>
        <translation>Incluir el cero en el eje de abscisas</translation>
    </message>
    <message>
        <source>|Avoid zoom effect for close x-values</source>
        <translation>|Evita el efecto lupa con valores de x próximos</translation>
    </message>
    <message>
        <source>Show the camera&apos;s point of view</source>
        <translation>Mostrar el punto de vista de la cámara</translation>
    </message>
    <message>
        <source>|Uncheck to see trajectory in the graph basis (O, x, y)</source>
        <translation>|Desmarque para ver la trayectoria en los ejes (O, x, y)</translation>
    </message>
    <message>
        <source>Video mark index start at zero (at one by default)</source>
        <translation>Las marcas del vídeo se numeran desde cero (desde uno por defecto)</translation>
    </message>
    <message>
        <source>|Warning ! this option influences the results</source>
        <translation>|¡Atención! Esta opción influye en los resultados</translation>
    </message>
    <message>
        <source>Recommend naming objects</source>
        <translation>Recomendar que se nombren los objetos</translation>
    </message>
    <message>
        <source>|Interpretation is easier with explicit objects names</source>
        <translation>|La interpretación es más fácil con nombres de objetos explícitos</translation>
    </message>
    <message>
        <source>Show dialog when frame is hidden</source>
        <translation>Mostrar un mensaje al ocultar un fotograma</translation>
    </message>
    <message>
        <source>|Useful for first steps in video edit mode</source>
        <translation>|Útil para los primeros pasos en el modo de edición de vídeo</translation>
    </message>
    <message>
        <source>Calibrate both dimensions (horizontal and vertical)</source>
        <translation>Calibrar las dos dimensiones (horizontal y vertical)</translation>
    </message>
    <message>
        <source>|Use both dimensions is image is stretched</source>
        <translation>|Use las dos dimensiones si la imagen está estirada</translation>
    </message>
    <message>
        <source>Draw video frame</source>
        <translation>Dibujar el fotograma del vídeo</translation>
    </message>
    <message>
        <source>|Check to associate video image to graphical constructs</source>
        <translation>|Marque para asociar el fotograma del vídeo a las construcciones gráficas</translation>
    </message>
    <message>
        <source>Allow automatic tracking</source>
        <translation>Permitir el seguimiento automático</translation>
    </message>
    <message>
        <source>|Uncheck to prevent automatic tracking</source>
        <translation>|Desmarque para impedir el seguimiento automático</translation>
    </message>
    <message>
        <source>Allow video edit mode</source>
        <translation>Permitir el modo de edición de vídeo</translation>
    </message>
    <message>
        <source>|Uncheck to prevent video edit</source>
        <translation>|Desmarque para impedir la edición de vídeo</translation>
    </message>
    <message>
        <source>Allow video capture</source>
        <translation>Permitir la captura de vídeo</translation>
    </message>
    <message>
        <source>|Uncheck to prevent video capture</source>
        <translation>|Desmarque para impedir la captura de vídeo</translation>
    </message>
    <message>
        <source>Draw initial curves</source>
        <translation>Dibujar las curvas iniciales</translation>
    </message>
    <message>
        <source>|Useful to measure the length of a curved trajectory</source>
        <translation>|Útil para medir la longitud de una trayectoria curva</translation>
    </message>
    <message>
        <source>Show the values of the object during modification</source>
        <translation>Mostrar los valores del objeto durante la modificación</translation>
    </message>
    <message>
        <source>|Useful to adjust an object&apos;s measurement to a specific value</source>
        <translation>|Útil para ajustar la medida de un objeto a un valor concreto</translation>
    </message>
    <message>
        <source>Draw the target search zone</source>
        <translation>Dibujar la zona de búsqueda del objeto</translation>
    </message>
    <message>
        <source>|Compare the distance between two successive positions of the target with the radius of the search zone</source>
        <translation>|Compare la distancia entre dos posiciones sucesivas del objeto con el radio de la zona de búsqueda</translation>
    </message>
    <message>
        <source>Show polar quantities within results</source>
        <translation>Mostrar las magnitudes polares en los resultados</translation>
    </message>
    <message>
        <source>|Unchecked, polar coordinates and the angular velocity no longer appear in any window</source>
        <translation>|Sin marcar, las coordenadas polares y la velocidad angular ya no aparecen en ninguna ventana</translation>
    </message>
    <message>
        <source>Smooth velocity values</source>
        <translation>Suavizar los valores de la velocidad</translation>
    </message>
    <message>
        <source>Show columns related to polar quantities</source>
        <translation>Mostrar las columnas de las magnitudes polares</translation>
    </message>
    <message>
        <source>Allow video studio</source>
        <translation>Permitir el estudio de vídeo</translation>
    </message>
    <message>
        <source>|Uncheck to prevent video studio</source>
        <translation>|Desmarque para impedir el estudio de vídeo</translation>
    </message>
    <message>
        <source>Numbering</source>
        <translation>Numeración</translation>
    </message>
    <message>
        <source>|Number of files: 1 to 20</source>
        <translation>|Número de archivos: de 1 a 20</translation>
    </message>
    <message>
        <source>Radius of target search zone (in pixels)</source>
        <translation>Radio de la zona de búsqueda del objeto (en píxeles)</translation>
    </message>
    <message>
        <source>|A large search radius will reduce the tracking speed</source>
        <translation>|Un radio de búsqueda grande reduce la velocidad del seguimiento</translation>
    </message>
    <message>
        <source>Marks numbering</source>
        <translation>Numeración de las marcas</translation>
    </message>
    <message>
        <source>Layer marks numbering</source>
        <translation>Numeración de las marcas del calco</translation>
    </message>
    <message>
        <source>Restrict access to options with a password</source>
        <translation>Restringir el acceso a las opciones con una contraseña</translation>
    </message>
    <message>
        <source>|Password is stored in Kolibra.ini file</source>
        <translation>|La contraseña se guarda en el archivo Kolibra.ini</translation>
    </message>
    <message>
        <source>Default directory :</source>
        <translation>Carpeta predeterminada :</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Idioma</translation>
    </message>
    <message>
        <source>|The language of the menus, windows and help</source>
        <translation>|El idioma de los menús, las ventanas y la ayuda</translation>
    </message>
</context>
<context>
    <name>TPlaneTool</name>
    <message>
        <source>Click the four corners of the rectangle first.</source>
        <translation>Haga clic primero en las cuatro esquinas del rectángulo.</translation>
    </message>
</context>
<context>
    <name>TPolyContainer</name>
    <message>
        <source>A similar mark already exists on this image.</source>
        <translation>Ya existe una marca semejante en este fotograma.</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>of point n°</source>
        <translation>del punto n.º</translation>
    </message>
</context>
<context>
    <name>TRepere</name>
    <message>
        <source>x</source>
        <translation>x</translation>
    </message>
    <message>
        <source>y</source>
        <translation>y</translation>
    </message>
</context>
<context>
    <name>TVideo</name>
    <message>
        <source>Wait please ...</source>
        <translation>Espere, por favor...</translation>
    </message>
    <message>
        <source>Mechanics from video</source>
        <translation>Mecánica a partir del vídeo</translation>
    </message>
    <message>
        <source>Reading stopped.</source>
        <translation>Lectura detenida.</translation>
    </message>
</context>
<context>
    <name>TVideoPlay</name>
    <message>
        <source>Video for Windows</source>
        <translation>Video for Windows</translation>
    </message>
    <message>
        <source>DirectShow</source>
        <translation>DirectShow</translation>
    </message>
    <message>
        <source>FFMpeg</source>
        <translation>FFMpeg</translation>
    </message>
    <message>
        <source>The file gives no frame rate.</source>
        <translation>El archivo no indica ninguna frecuencia de fotogramas.</translation>
    </message>
    <message>
        <source>The frame rate of this video (%1 frames per second) is too low: Kolibra cannot play frames more than 65.535 seconds apart.</source>
        <translation>La frecuencia de fotogramas de este vídeo (%1 fotogramas por segundo) es demasiado baja: Kolibra no puede reproducir fotogramas separados más de 65,535 segundos.</translation>
    </message>
</context>
<context>
    <name>TrackingText</name>
    <message>
        <source>Ok</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>First draw the outline of the target object</source>
        <translation>Dibuje primero el contorno del objeto que seguir</translation>
    </message>
    <message>
        <source>The sequence starts with the last frame of the video (tracking not necessary)</source>
        <translation>La secuencia empieza en el último fotograma del vídeo (no hace falta seguimiento)</translation>
    </message>
    <message>
        <source>First open a video file</source>
        <translation>Abra primero un archivo de vídeo</translation>
    </message>
    <message>
        <source>Number of the first frame is incorrect</source>
        <translation>El número del primer fotograma es incorrecto</translation>
    </message>
    <message>
        <source>An automatic tracking has been done.</source>
        <translation>Se ha realizado un seguimiento automático.</translation>
    </message>
    <message>
        <source>Do you want to keep the data ?</source>
        <translation>¿Desea conservar los datos?</translation>
    </message>
    <message>
        <source>The new marks will replace any already present ones</source>
        <translation>Las nuevas marcas sustituirán a las que ya haya</translation>
    </message>
    <message>
        <source>Uncertain positions %1, to check (frames): %2</source>
        <translation>Posiciones dudosas %1, que comprobar (fotogramas): %2</translation>
    </message>
    <message>
        <source>Lost positions %1, no mark there (frames): %2</source>
        <translation>Posiciones perdidas %1, sin marca (fotogramas): %2</translation>
    </message>
    <message>
        <source>Ignore</source>
        <translation>Ignorar</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Guardar</translation>
    </message>
    <message>
        <source>The outline of the target needs at least three distinct points.</source>
        <translation>El contorno del objeto necesita al menos tres puntos distintos.</translation>
    </message>
    <message>
        <source>The outline of the target lies outside the frame.</source>
        <translation>El contorno del objeto está fuera del fotograma.</translation>
    </message>
    <message>
        <source>The outline of the target encloses no pixel.</source>
        <translation>El contorno del objeto no encierra ningún píxel.</translation>
    </message>
    <message>
        <source>The first frame of the sequence cannot be read.</source>
        <translation>No se puede leer el primer fotograma de la secuencia.</translation>
    </message>
</context>
<context>
    <name>VfwPlayText</name>
    <message>
        <source>The file is empty.</source>
        <translation>El archivo está vacío.</translation>
    </message>
    <message>
        <source>This is not an AVI file.</source>
        <translation>No es un archivo AVI.</translation>
    </message>
    <message>
        <source>The headers of this AVI file are missing.</source>
        <translation>Faltan las cabeceras de este archivo AVI.</translation>
    </message>
    <message>
        <source>The AVI file holds no video stream.</source>
        <translation>El archivo AVI no contiene ningún flujo de vídeo.</translation>
    </message>
    <message>
        <source>The format of the video stream is missing or damaged.</source>
        <translation>El formato del flujo de vídeo falta o está dañado.</translation>
    </message>
    <message>
        <source>The frame size %1 x %2 announced by the file is not plausible: the file is damaged.</source>
        <translation>El tamaño de fotograma %1 x %2 que indica el archivo no es verosímil: el archivo está dañado.</translation>
    </message>
    <message>
        <source>The file announces %1 frames, more than it can hold: the file is damaged.</source>
        <translation>El archivo indica %1 fotogramas, más de los que puede contener: el archivo está dañado.</translation>
    </message>
    <message>
        <source>The video has %1 frames: Kolibra reads videos of %2 frames at most.</source>
        <translation>El vídeo tiene %1 fotogramas: Kolibra lee vídeos de %2 fotogramas como máximo.</translation>
    </message>
    <message>
        <source>The AVI file holds no frame.</source>
        <translation>El archivo AVI no contiene ningún fotograma.</translation>
    </message>
    <message>
        <source>No decoder is available for the video codec &quot;%1&quot; of this file.</source>
        <translation>No hay ningún decodificador disponible para el códec de vídeo &quot;%1&quot; de este archivo.</translation>
    </message>
    <message>
        <source>Out of memory.</source>
        <translation>Memoria insuficiente.</translation>
    </message>
    <message>
        <source>The decoder for the codec &quot;%1&quot; cannot be started.</source>
        <translation>No se puede iniciar el decodificador del códec &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>No file name was given.</source>
        <translation>No se ha indicado ningún nombre de archivo.</translation>
    </message>
    <message>
        <source>The file does not exist or cannot be reached.</source>
        <translation>El archivo no existe o no se puede acceder a él.</translation>
    </message>
    <message>
        <source>This is a folder, not a video file.</source>
        <translation>Es una carpeta, no un archivo de vídeo.</translation>
    </message>
    <message>
        <source>This is not a video file but a device or a pipe.</source>
        <translation>No es un archivo de vídeo sino un dispositivo o una tubería.</translation>
    </message>
    <message>
        <source>The file gives no frame rate.</source>
        <translation>El archivo no indica ninguna frecuencia de fotogramas.</translation>
    </message>
    <message>
        <source>The first frame of the file cannot be decoded.</source>
        <translation>No se puede decodificar el primer fotograma del archivo.</translation>
    </message>
</context>
<context>
    <name>VfwRecordText</name>
    <message>
        <source>Process cancelled</source>
        <translation>Operación cancelada</translation>
    </message>
    <message>
        <source>Video not initialized</source>
        <translation>Vídeo no inicializado</translation>
    </message>
    <message>
        <source>Aan image is damaged</source>
        <translation>Una imagen está dañada</translation>
    </message>
    <message>
        <source>This frame could not be inserted in the video stream</source>
        <translation>No se ha podido insertar este fotograma en el flujo de vídeo</translation>
    </message>
    <message>
        <source>Unable to compress video stream</source>
        <translation>No se puede comprimir el flujo de vídeo</translation>
    </message>
    <message>
        <source>Unable to define video stream format</source>
        <translation>No se puede definir el formato del flujo de vídeo</translation>
    </message>
    <message>
        <source>Unable to replace a file with the same name (it may be in use in another program)</source>
        <translation>No se puede sustituir un archivo con el mismo nombre (quizá lo esté usando otro programa)</translation>
    </message>
    <message>
        <source>Unable to write video file on disk</source>
        <translation>No se puede escribir el archivo de vídeo en el disco</translation>
    </message>
    <message>
        <source>Unable to create video stream in memory</source>
        <translation>No se puede crear el flujo de vídeo en memoria</translation>
    </message>
    <message>
        <source>Coder does not exist or is not available</source>
        <translation>El codificador no existe o no está disponible</translation>
    </message>
    <message>
        <source>Unknown error</source>
        <translation>Error desconocido</translation>
    </message>
    <message>
        <source>No codec is called &quot;%1&quot;.</source>
        <translation>No hay ningún códec llamado &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>The codec kept back some frames.</source>
        <translation>El códec ha retenido algunos fotogramas.</translation>
    </message>
</context>
<context>
    <name>VideoCli</name>
    <message>
        <source>Unable to open this video file.</source>
        <translation>No se puede abrir este archivo de vídeo.</translation>
    </message>
    <message>
        <source>Check that it has not been moved.</source>
        <translation>Compruebe que no se ha movido.</translation>
    </message>
    <message>
        <source>Can not open this video file.</source>
        <translation>No se puede abrir este archivo de vídeo.</translation>
    </message>
    <message>
        <source>There is no frame %1: frame indexes start at 0.</source>
        <translation>No existe el fotograma %1: los índices de fotograma empiezan en 0.</translation>
    </message>
    <message>
        <source>There is no frame %1: the frames of this video are 0 to %2.</source>
        <translation>No existe el fotograma %1: los fotogramas de este vídeo van de 0 a %2.</translation>
    </message>
    <message>
        <source>Frame %1 cannot be read.</source>
        <translation>No se puede leer el fotograma %1.</translation>
    </message>
    <message>
        <source>Unable to write the picture.</source>
        <translation>No se puede escribir la imagen.</translation>
    </message>
</context>
<context>
    <name>VideoWriterText</name>
    <message>
        <source>No file name was given.</source>
        <translation>No se ha indicado ningún nombre de archivo.</translation>
    </message>
    <message>
        <source>The frame rate is not valid.</source>
        <translation>La frecuencia de fotogramas no es válida.</translation>
    </message>
    <message>
        <source>The frame size is not valid.</source>
        <translation>El tamaño de fotograma no es válido.</translation>
    </message>
    <message>
        <source>A folder has this name.</source>
        <translation>Ya hay una carpeta con este nombre.</translation>
    </message>
    <message>
        <source>No frame was written.</source>
        <translation>No se ha escrito ningún fotograma.</translation>
    </message>
</context>
<context>
    <name>VideoWriters</name>
    <message>
        <source>The framework %1 cannot write videos on this computer.</source>
        <translation>La interfaz %1 no puede escribir vídeos en este ordenador.</translation>
    </message>
    <message>
        <source>The frame size must be positive.</source>
        <translation>El tamaño de fotograma debe ser positivo.</translation>
    </message>
</context>
<context>
    <name>WorkCliText</name>
    <message>
        <source>Saving has failed.</source>
        <translation>No se ha podido guardar.</translation>
    </message>
    <message>
        <source>Check that the drive is not write-protected.</source>
        <translation>Compruebe que la unidad no está protegida contra escritura.</translation>
    </message>
    <message>
        <source>File saving has failed.</source>
        <translation>No se ha podido guardar el archivo.</translation>
    </message>
    <message>
        <source>No object is named %1.</source>
        <translation>Ningún objeto se llama %1.</translation>
    </message>
    <message>
        <source>The calculation unit has detected an error.</source>
        <translation>La unidad de cálculo ha detectado un error.</translation>
    </message>
    <message>
        <source>Give the lens one way only: as coefficients, as straight lines or as a checkerboard.</source>
        <translation>Indique el objetivo de una sola manera: como coeficientes, como líneas rectas o como damero.</translation>
    </message>
    <message>
        <source>A checkerboard finds the focal length itself and keeps the picture&apos;s centre: leave out --focal and --centre.</source>
        <translation>Un damero determina por sí mismo la distancia focal y conserva el centro de la imagen: no indique --focal ni --centre.</translation>
    </message>
    <message>
        <source>The work&apos;s video cannot be read.</source>
        <translation>No se puede leer el vídeo del trabajo.</translation>
    </message>
</context>
<context>
    <name>WorkbookText</name>
    <message>
        <source>Video file</source>
        <translation>Archivo de vídeo</translation>
    </message>
    <message>
        <source>Frame interval</source>
        <translation>Intervalo entre fotogramas</translation>
    </message>
    <message>
        <source>m/pixel</source>
        <translation>m/píxel</translation>
    </message>
    <message>
        <source>Horizontal scale</source>
        <translation>Escala horizontal</translation>
    </message>
    <message>
        <source>Vertical scale</source>
        <translation>Escala vertical</translation>
    </message>
    <message>
        <source>Scale</source>
        <translation>Escala</translation>
    </message>
    <message>
        <source>not set</source>
        <translation>sin definir</translation>
    </message>
    <message>
        <source>Axes angle</source>
        <translation>Ángulo de los ejes</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Fecha</translation>
    </message>
    <message>
        <source>The sheet %1 cannot be added.</source>
        <translation>No se puede añadir la hoja %1.</translation>
    </message>
    <message>
        <source>The file already exists.</source>
        <translation>El archivo ya existe.</translation>
    </message>
    <message>
        <source>The file cannot be created.</source>
        <translation>No se puede crear el archivo.</translation>
    </message>
    <message>
        <source>The file cannot be written completely.</source>
        <translation>No se puede escribir el archivo completo.</translation>
    </message>
    <message>
        <source>Unknown workbook extension: %1</source>
        <translation>Extensión de libro desconocida: %1</translation>
    </message>
    <message>
        <source>The file cannot be written: %1</source>
        <translation>No se puede escribir el archivo: %1</translation>
    </message>
    <message>
        <source>The file name must end with .txt, .csv, .json, .ipynb, .xlsx or .ods: %1</source>
        <translation>El nombre del archivo debe terminar en .txt, .csv, .json, .ipynb, .xlsx o .ods: %1</translation>
    </message>
</context>
<context>
    <name>WrittenVideoText</name>
    <message>
        <source>Kolibra cannot read it back: %1</source>
        <translation>Kolibra no puede releer el vídeo escrito: %1</translation>
    </message>
    <message>
        <source>Read back: %1 frames, %2 x %3 pixels, %4 frames per second</source>
        <translation>Vídeo releído: %1 fotogramas, %2 x %3 píxeles, %4 fotogramas por segundo</translation>
    </message>
</context>
<context>
    <name>kolibra::printing::TBoiteImprimer</name>
    <message>
        <source>Graph</source>
        <translation>Gráfico</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Imprimir</translation>
    </message>
    <message>
        <source>The page could not be printed.</source>
        <translation>No se ha podido imprimir la página.</translation>
    </message>
    <message>
        <source>Save as PDF</source>
        <translation>Guardar como PDF</translation>
    </message>
    <message>
        <source>PDF document (*.pdf)</source>
        <translation>Documento PDF (*.pdf)</translation>
    </message>
    <message>
        <source>The PDF document could not be saved.</source>
        <translation>No se ha podido guardar el documento PDF.</translation>
    </message>
    <message>
        <source>The page was saved as %1</source>
        <translation>La página se ha guardado como %1</translation>
    </message>
    <message>
        <source>PDF saved:</source>
        <translation>PDF guardado:</translation>
    </message>
    <message>
        <source>|Pan or adjust frame dimensions with left mouse button</source>
        <translation>|Desplazar o ajustar las dimensiones del marco con el botón izquierdo del ratón</translation>
    </message>
    <message>
        <source>Title</source>
        <translation>Título</translation>
    </message>
    <message>
        <source>|Add a title</source>
        <translation>|Añadir un título</translation>
    </message>
    <message>
        <source>|Select a font for title</source>
        <translation>|Elegir una fuente para el título</translation>
    </message>
    <message>
        <source>|Title font height</source>
        <translation>|Altura de la fuente del título</translation>
    </message>
    <message>
        <source>|Change font height</source>
        <translation>|Cambiar la altura de la fuente</translation>
    </message>
    <message>
        <source>Zoom:</source>
        <translation>Zoom:</translation>
    </message>
    <message>
        <source>Orientation</source>
        <translation>Orientación</translation>
    </message>
    <message>
        <source>|Landscape mode rotates the graph 90 degrees from its default orientation</source>
        <translation>|El modo horizontal gira el gráfico 90 grados respecto de su orientación por defecto</translation>
    </message>
    <message>
        <source>Portrait</source>
        <translation>Vertical</translation>
    </message>
    <message>
        <source>Landscape</source>
        <translation>Horizontal</translation>
    </message>
    <message>
        <source>Quick page setup</source>
        <translation>Diseño rápido de página</translation>
    </message>
    <message>
        <source>|Select a template</source>
        <translation>|Elegir una plantilla</translation>
    </message>
    <message>
        <source>Top centered</source>
        <translation>Arriba centrado</translation>
    </message>
    <message>
        <source>Full page</source>
        <translation>Página completa</translation>
    </message>
    <message>
        <source>|Simple custom printing or automatic double</source>
        <translation>|Impresión personalizada sencilla o doble automática</translation>
    </message>
    <message>
        <source>|Save the page as a PDF document</source>
        <translation>|Guardar la página como documento PDF</translation>
    </message>
    <message>
        <source>Double</source>
        <translation>Doble</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
    <message>
        <source>|Close the print window</source>
        <translation>|Cerrar la ventana de impresión</translation>
    </message>
</context>
</TS>
