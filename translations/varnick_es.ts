<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es_ES">
<context>
    <name>Backups</name>
    <message>
        <source>The previous version cannot be kept as a backup (%1)</source>
        <translation>La versión anterior no se puede guardar como copia de seguridad (%1)</translation>
    </message>
    <message>
        <source>No backup folder is free for %1</source>
        <translation>No hay ninguna carpeta de copias de seguridad libre para %1</translation>
    </message>
    <message>
        <source>The backup folder cannot be created</source>
        <translation>No se puede crear la carpeta de copias de seguridad</translation>
    </message>
    <message>
        <source>The backup folder cannot be named: %1</source>
        <translation>No se puede dar nombre a la carpeta de copias de seguridad: %1</translation>
    </message>
    <message>
        <source>No original of this file was kept</source>
        <translation>No se guardó ningún original de este archivo</translation>
    </message>
    <message>
        <source>The original cannot be copied back (%1)</source>
        <translation>El original no se puede volver a copiar (%1)</translation>
    </message>
</context>
<context>
    <name>BatchEdit</name>
    <message>
        <source>The package changed on disk since it was loaded; it was left as it is</source>
        <translation>El paquete cambió en el disco desde que se cargó; se dejó como estaba</translation>
    </message>
    <message>
        <source>The package changed on disk while it was being saved; it was left as it is</source>
        <translation>El paquete cambió en el disco mientras se guardaba; se dejó como estaba</translation>
    </message>
</context>
<context>
    <name>BatchSummary</name>
    <message>
        <source>Saved: %1, unchanged: %2, refused: %3</source>
        <translation>Guardados: %1, sin cambios: %2, rechazados: %3</translation>
    </message>
    <message>
        <source>Saved: %1, unchanged: %2, refused: %3, not reached: %4</source>
        <translation>Guardados: %1, sin cambios: %2, rechazados: %3, no alcanzados: %4</translation>
    </message>
</context>
<context>
    <name>CatalogLists</name>
    <message>
        <source>Comfort</source>
        <translation>Comodidad</translation>
    </message>
    <message>
        <source>Surfaces</source>
        <translation>Superficies</translation>
    </message>
    <message>
        <source>Appliances</source>
        <translation>Electrodomésticos</translation>
    </message>
    <message>
        <source>Electronics</source>
        <translation>Electrónica</translation>
    </message>
    <message>
        <source>Plumbing</source>
        <translation>Fontanería</translation>
    </message>
    <message>
        <source>Decorative</source>
        <translation>Decoración</translation>
    </message>
    <message>
        <source>Miscellaneous</source>
        <translation>Varios</translation>
    </message>
    <message>
        <source>Lighting</source>
        <translation>Iluminación</translation>
    </message>
    <message>
        <source>Hobbies</source>
        <translation>Aficiones</translation>
    </message>
    <message>
        <source>Dining Chairs</source>
        <translation>Sillas de comedor</translation>
    </message>
    <message>
        <source>Living Chairs</source>
        <translation>Sillones</translation>
    </message>
    <message>
        <source>Sofas/Loveseats</source>
        <translation>Sofás/Confidentes</translation>
    </message>
    <message>
        <source>Beds</source>
        <translation>Camas</translation>
    </message>
    <message>
        <source>Recliners</source>
        <translation>Sillones reclinables</translation>
    </message>
    <message>
        <source>Counters</source>
        <translation>Encimeras</translation>
    </message>
    <message>
        <source>Tables</source>
        <translation>Mesas</translation>
    </message>
    <message>
        <source>End Tables</source>
        <translation>Mesitas</translation>
    </message>
    <message>
        <source>Desks</source>
        <translation>Escritorios</translation>
    </message>
    <message>
        <source>Coffee Tables</source>
        <translation>Mesas de centro</translation>
    </message>
    <message>
        <source>Shelves</source>
        <translation>Estanterías</translation>
    </message>
    <message>
        <source>Cooking</source>
        <translation>Cocina</translation>
    </message>
    <message>
        <source>Refrigerators</source>
        <translation>Frigoríficos</translation>
    </message>
    <message>
        <source>Small Appliances</source>
        <translation>Electrodomésticos pequeños</translation>
    </message>
    <message>
        <source>Large Appliances</source>
        <translation>Electrodomésticos grandes</translation>
    </message>
    <message>
        <source>Entertainment</source>
        <translation>Entretenimiento</translation>
    </message>
    <message>
        <source>TVs/Computers</source>
        <translation>Televisores/Ordenadores</translation>
    </message>
    <message>
        <source>Audio</source>
        <translation>Audio</translation>
    </message>
    <message>
        <source>Small Electronics</source>
        <translation>Electrónica pequeña</translation>
    </message>
    <message>
        <source>Toilets</source>
        <translation>Inodoros</translation>
    </message>
    <message>
        <source>Showers/Tubs</source>
        <translation>Duchas/Bañeras</translation>
    </message>
    <message>
        <source>Sinks</source>
        <translation>Lavabos</translation>
    </message>
    <message>
        <source>Hot Tubs</source>
        <translation>Jacuzzis</translation>
    </message>
    <message>
        <source>Wall Hangings</source>
        <translation>Cuadros</translation>
    </message>
    <message>
        <source>Sculptures</source>
        <translation>Esculturas</translation>
    </message>
    <message>
        <source>Rugs</source>
        <translation>Alfombras</translation>
    </message>
    <message>
        <source>Plants</source>
        <translation>Plantas</translation>
    </message>
    <message>
        <source>Mirrors</source>
        <translation>Espejos</translation>
    </message>
    <message>
        <source>Curtains</source>
        <translation>Cortinas</translation>
    </message>
    <message>
        <source>Dressers</source>
        <translation>Cómodas</translation>
    </message>
    <message>
        <source>Party</source>
        <translation>Fiesta</translation>
    </message>
    <message>
        <source>Children</source>
        <translation>Niños</translation>
    </message>
    <message>
        <source>Vehicle</source>
        <translation>Vehículo</translation>
    </message>
    <message>
        <source>Table Lamps</source>
        <translation>Lámparas de mesa</translation>
    </message>
    <message>
        <source>Floor Lamps</source>
        <translation>Lámparas de pie</translation>
    </message>
    <message>
        <source>Wall Lamps</source>
        <translation>Apliques</translation>
    </message>
    <message>
        <source>Hanging Lamps</source>
        <translation>Lámparas de techo</translation>
    </message>
    <message>
        <source>Outdoor Lamps</source>
        <translation>Lámparas de exterior</translation>
    </message>
    <message>
        <source>Creative</source>
        <translation>Creatividad</translation>
    </message>
    <message>
        <source>Knowledge</source>
        <translation>Conocimiento</translation>
    </message>
    <message>
        <source>Exercise</source>
        <translation>Ejercicio</translation>
    </message>
    <message>
        <source>Recreation</source>
        <translation>Ocio</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Ninguno</translation>
    </message>
    <message>
        <source>Doors/Windows</source>
        <translation>Puertas/Ventanas</translation>
    </message>
    <message>
        <source>Garden Center</source>
        <translation>Jardinería</translation>
    </message>
    <message>
        <source>Doors</source>
        <translation>Puertas</translation>
    </message>
    <message>
        <source>M-Story Windows</source>
        <translation>Ventanas de varias plantas</translation>
    </message>
    <message>
        <source>Windows</source>
        <translation>Ventanas</translation>
    </message>
    <message>
        <source>Gates</source>
        <translation>Verjas</translation>
    </message>
    <message>
        <source>Archways</source>
        <translation>Arcos</translation>
    </message>
    <message>
        <source>Multi-Story Doors</source>
        <translation>Puertas de varias plantas</translation>
    </message>
    <message>
        <source>Trees</source>
        <translation>Árboles</translation>
    </message>
    <message>
        <source>Shrubs</source>
        <translation>Arbustos</translation>
    </message>
    <message>
        <source>Flowers</source>
        <translation>Flores</translation>
    </message>
    <message>
        <source>Columns</source>
        <translation>Columnas</translation>
    </message>
    <message>
        <source>Stairs</source>
        <translation>Escaleras</translation>
    </message>
    <message>
        <source>Swimming Pool</source>
        <translation>Piscina</translation>
    </message>
    <message>
        <source>M-Story Columns</source>
        <translation>Columnas de varias plantas</translation>
    </message>
    <message>
        <source>Column Arches</source>
        <translation>Arcos de columnas</translation>
    </message>
    <message>
        <source>Garage</source>
        <translation>Garaje</translation>
    </message>
    <message>
        <source>Elevators</source>
        <translation>Ascensores</translation>
    </message>
    <message>
        <source>Kitchen</source>
        <translation>Cocina</translation>
    </message>
    <message>
        <source>Bedroom</source>
        <translation>Dormitorio</translation>
    </message>
    <message>
        <source>Bathroom</source>
        <translation>Cuarto de baño</translation>
    </message>
    <message>
        <source>Living Room</source>
        <translation>Salón</translation>
    </message>
    <message>
        <source>Outside</source>
        <translation>Exterior</translation>
    </message>
    <message>
        <source>Dining Room</source>
        <translation>Comedor</translation>
    </message>
    <message>
        <source>Study</source>
        <translation>Estudio</translation>
    </message>
    <message>
        <source>Kids</source>
        <translation>Niños</translation>
    </message>
    <message>
        <source>Dining</source>
        <translation>Restaurantes</translation>
    </message>
    <message>
        <source>Shops</source>
        <translation>Tiendas</translation>
    </message>
    <message>
        <source>Outdoor</source>
        <translation>Al aire libre</translation>
    </message>
    <message>
        <source>Street</source>
        <translation>Calle</translation>
    </message>
    <message>
        <source>Mechanical</source>
        <translation>Mecánica</translation>
    </message>
    <message>
        <source>Logic</source>
        <translation>Lógica</translation>
    </message>
    <message>
        <source>Body</source>
        <translation>Cuerpo</translation>
    </message>
    <message>
        <source>Creativity</source>
        <translation>Creatividad</translation>
    </message>
    <message>
        <source>Charisma</source>
        <translation>Carisma</translation>
    </message>
    <message>
        <source>Cleaning</source>
        <translation>Limpieza</translation>
    </message>
    <message>
        <source>(No Wants Satisfy Code)</source>
        <translation>(Sin código de deseo)</translation>
    </message>
    <message>
        <source>Alarm Clocks</source>
        <translation>Despertadores</translation>
    </message>
    <message>
        <source>Bars</source>
        <translation>Barras de bar</translation>
    </message>
    <message>
        <source>Bass</source>
        <translation>Bajo</translation>
    </message>
    <message>
        <source>Bonfire</source>
        <translation>Hoguera</translation>
    </message>
    <message>
        <source>Bookcases</source>
        <translation>Librerías</translation>
    </message>
    <message>
        <source>Bowling Alley</source>
        <translation>Bolera</translation>
    </message>
    <message>
        <source>Bubbleblower</source>
        <translation>Burbujeador</translation>
    </message>
    <message>
        <source>Burglar Alarm</source>
        <translation>Alarma antirrobo</translation>
    </message>
    <message>
        <source>Car</source>
        <translation>Coche</translation>
    </message>
    <message>
        <source>Card Table</source>
        <translation>Mesa de cartas</translation>
    </message>
    <message>
        <source>Changing Table</source>
        <translation>Cambiador</translation>
    </message>
    <message>
        <source>Coffee Machines</source>
        <translation>Cafeteras</translation>
    </message>
    <message>
        <source>Coffin</source>
        <translation>Ataúd</translation>
    </message>
    <message>
        <source>Computers</source>
        <translation>Ordenadores</translation>
    </message>
    <message>
        <source>Counterfeit Machine</source>
        <translation>Máquina de falsificar</translation>
    </message>
    <message>
        <source>Counters/Islands</source>
        <translation>Encimeras/Islas</translation>
    </message>
    <message>
        <source>Crib</source>
        <translation>Cuna</translation>
    </message>
    <message>
        <source>Desk</source>
        <translation>Escritorio</translation>
    </message>
    <message>
        <source>Dining Chair</source>
        <translation>Silla de comedor</translation>
    </message>
    <message>
        <source>Dishwashers</source>
        <translation>Lavavajillas</translation>
    </message>
    <message>
        <source>Display Case</source>
        <translation>Vitrina</translation>
    </message>
    <message>
        <source>Dj Booth</source>
        <translation>Cabina de DJ</translation>
    </message>
    <message>
        <source>Double Bed</source>
        <translation>Cama de matrimonio</translation>
    </message>
    <message>
        <source>Drumbkit</source>
        <translation>Batería</translation>
    </message>
    <message>
        <source>Easel</source>
        <translation>Caballete</translation>
    </message>
    <message>
        <source>Electro Dance Sphere</source>
        <translation>Esfera de baile electrónico</translation>
    </message>
    <message>
        <source>Elevator</source>
        <translation>Ascensor</translation>
    </message>
    <message>
        <source>Espresso Machines</source>
        <translation>Cafeteras exprés</translation>
    </message>
    <message>
        <source>Fire Alarm</source>
        <translation>Alarma de incendios</translation>
    </message>
    <message>
        <source>Fireplace</source>
        <translation>Chimenea</translation>
    </message>
    <message>
        <source>Florist Bench</source>
        <translation>Mesa de floristería</translation>
    </message>
    <message>
        <source>Food Processor</source>
        <translation>Robot de cocina</translation>
    </message>
    <message>
        <source>Fountain</source>
        <translation>Fuente</translation>
    </message>
    <message>
        <source>Fridges</source>
        <translation>Frigoríficos</translation>
    </message>
    <message>
        <source>Games</source>
        <translation>Juegos</translation>
    </message>
    <message>
        <source>Grills</source>
        <translation>Barbacoas</translation>
    </message>
    <message>
        <source>Guitar</source>
        <translation>Guitarra</translation>
    </message>
    <message>
        <source>High Chair</source>
        <translation>Trona</translation>
    </message>
    <message>
        <source>Hottubs</source>
        <translation>Jacuzzis</translation>
    </message>
    <message>
        <source>Juice Keg</source>
        <translation>Barril de zumo</translation>
    </message>
    <message>
        <source>Karaoke Machine</source>
        <translation>Máquina de karaoke</translation>
    </message>
    <message>
        <source>Lemonade Stand</source>
        <translation>Puesto de limonada</translation>
    </message>
    <message>
        <source>Living Chair</source>
        <translation>Sillón</translation>
    </message>
    <message>
        <source>Lounge Chair</source>
        <translation>Tumbona</translation>
    </message>
    <message>
        <source>Makeover Station</source>
        <translation>Puesto de cambio de imagen</translation>
    </message>
    <message>
        <source>Microwave</source>
        <translation>Microondas</translation>
    </message>
    <message>
        <source>Paintings</source>
        <translation>Cuadros</translation>
    </message>
    <message>
        <source>Phone</source>
        <translation>Teléfono</translation>
    </message>
    <message>
        <source>Piano</source>
        <translation>Piano</translation>
    </message>
    <message>
        <source>Recliner</source>
        <translation>Sillón reclinable</translation>
    </message>
    <message>
        <source>Refrigerated Display Case</source>
        <translation>Vitrina refrigerada</translation>
    </message>
    <message>
        <source>Robot Station</source>
        <translation>Banco de robots</translation>
    </message>
    <message>
        <source>Rug</source>
        <translation>Alfombra</translation>
    </message>
    <message>
        <source>Single Bed</source>
        <translation>Cama individual</translation>
    </message>
    <message>
        <source>Sofas/Love Seats</source>
        <translation>Sofás/Confidentes</translation>
    </message>
    <message>
        <source>Stereos</source>
        <translation>Equipos de música</translation>
    </message>
    <message>
        <source>Stoves</source>
        <translation>Cocinas</translation>
    </message>
    <message>
        <source>Telescopes</source>
        <translation>Telescopios</translation>
    </message>
    <message>
        <source>Toaster Oven</source>
        <translation>Horno tostador</translation>
    </message>
    <message>
        <source>Toymaking Bench</source>
        <translation>Banco de juguetería</translation>
    </message>
    <message>
        <source>Toys</source>
        <translation>Juguetes</translation>
    </message>
    <message>
        <source>Trash Compactors</source>
        <translation>Compactadores de basura</translation>
    </message>
    <message>
        <source>TVs</source>
        <translation>Televisores</translation>
    </message>
    <message>
        <source>Workout Bench</source>
        <translation>Banco de ejercicios</translation>
    </message>
</context>
<context>
    <name>ChangeWords</name>
    <message>
        <source>nothing</source>
        <translation>nada</translation>
    </message>
    <message>
        <source>none</source>
        <translation>ninguno</translation>
    </message>
    <message>
        <source>flag value %1</source>
        <translation>valor de indicador %1</translation>
    </message>
    <message>
        <source>Function</source>
        <translation>Función</translation>
    </message>
    <message>
        <source>Function Sub-Category</source>
        <translation>Subcategoría de función</translation>
    </message>
    <message>
        <source>Build Type</source>
        <translation>Tipo de construcción</translation>
    </message>
    <message>
        <source>Build Sub-Type</source>
        <translation>Subtipo de construcción</translation>
    </message>
    <message>
        <source>Wants Satisfy Category</source>
        <translation>Categoría de deseo</translation>
    </message>
    <message>
        <source>Room</source>
        <translation>Habitación</translation>
    </message>
    <message>
        <source>Community</source>
        <translation>Comunidad</translation>
    </message>
    <message>
        <source>Skill Flags</source>
        <translation>Habilidades</translation>
    </message>
    <message>
        <source>Write each object&apos;s own changes</source>
        <translation>Escribir los cambios propios de cada objeto</translation>
    </message>
    <message>
        <source>%1 to %2</source>
        <translation>%1 a %2</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nombre</translation>
    </message>
    <message>
        <source>Description</source>
        <translation>Descripción</translation>
    </message>
    <message>
        <source>Set %1</source>
        <translation>Establecer %1</translation>
    </message>
    <message>
        <source>add %1 to %2</source>
        <translation>añadir %1 a %2</translation>
    </message>
    <message>
        <source>remove %1 from %2</source>
        <translation>quitar %1 de %2</translation>
    </message>
    <message>
        <source>%1; %2</source>
        <translation>%1; %2</translation>
    </message>
    <message numerus="yes">
        <source>%1 on %n object(s)?</source>
        <translation>
            <numerusform>¿%1 en %n objeto?</numerusform>
            <numerusform>¿%1 en %n objetos?</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>ClearCachesAction</name>
    <message>
        <source>Clear Game Caches</source>
        <translation>Vaciar las cachés del juego</translation>
    </message>
    <message>
        <source>There are no game caches to clear in %1.</source>
        <translation>No hay cachés del juego que vaciar en %1.</translation>
    </message>
    <message>
        <source>Confirm Action</source>
        <translation>Confirmar acción</translation>
    </message>
    <message>
        <source>Move these caches to the backup folder? The game makes them anew at its next start, which takes longer than usual.</source>
        <translation>¿Mover estas cachés a la carpeta de copias de seguridad? El juego las volverá a crear en su próximo inicio, que tardará más de lo habitual.</translation>
    </message>
    <message>
        <source>Moving the game&apos;s caches...</source>
        <translation>Moviendo las cachés del juego...</translation>
    </message>
    <message>
        <source>Moved to the backup folder:</source>
        <translation>Movidas a la carpeta de copias de seguridad:</translation>
    </message>
    <message>
        <source>Left as they were:</source>
        <translation>Dejadas como estaban:</translation>
    </message>
    <message>
        <source>OPERATION SUCCESSFUL</source>
        <translation>OPERACIÓN REALIZADA</translation>
    </message>
    <message>
        <source>Clear Game &amp;Caches...</source>
        <translation>Vaciar &amp;cachés del juego...</translation>
    </message>
</context>
<context>
    <name>Compression</name>
    <message>
        <source>The compressed resource (%1 bytes) is damaged and cannot be decompressed</source>
        <translation>El recurso comprimido (%1 bytes) está dañado y no se puede descomprimir</translation>
    </message>
    <message>
        <source>A resource of %1 bytes cannot be compressed (at most 16,777,215 bytes)</source>
        <translation>Un recurso de %1 bytes no se puede comprimir (como máximo 16.777.215 bytes)</translation>
    </message>
    <message>
        <source>The compressed resource %1 (type %2, instance %3) is damaged and cannot be decompressed</source>
        <translation>El recurso comprimido %1 (tipo %2, instancia %3) está dañado y no se puede descomprimir</translation>
    </message>
</context>
<context>
    <name>Editions</name>
    <message>
        <source>Legacy Collection</source>
        <translation>Legacy Collection</translation>
    </message>
    <message>
        <source>Ultimate Collection</source>
        <translation>Ultimate Collection</translation>
    </message>
    <message>
        <source>Classic</source>
        <translation>Clásica</translation>
    </message>
    <message>
        <source>macOS</source>
        <translation>macOS</translation>
    </message>
</context>
<context>
    <name>EditorControls</name>
    <message>
        <source>This box</source>
        <translation>Esta casilla</translation>
    </message>
    <message>
        <source>%1 holds at most %2; %2 will be written.</source>
        <translation>%1 admite como máximo %2; se escribirá %2.</translation>
    </message>
</context>
<context>
    <name>Failures</name>
    <message>
        <source>Out of memory</source>
        <translation>No hay memoria suficiente</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
</context>
<context>
    <name>FileNames</name>
    <message>
        <source>is empty</source>
        <translation>está vacío</translation>
    </message>
    <message>
        <source>is not valid UTF-8 text</source>
        <translation>no es texto UTF-8 válido</translation>
    </message>
    <message>
        <source>is an absolute path</source>
        <translation>es una ruta absoluta</translation>
    </message>
    <message>
        <source>begins with a drive letter</source>
        <translation>empieza con una letra de unidad</translation>
    </message>
    <message>
        <source>contains a path separator (%1)</source>
        <translation>contiene un separador de ruta (%1)</translation>
    </message>
    <message>
        <source>names a folder (&quot;%1&quot;), not a file</source>
        <translation>designa una carpeta («%1»), no un archivo</translation>
    </message>
    <message>
        <source>contains %1, which Windows does not allow in file names</source>
        <translation>contiene %1, que Windows no permite en los nombres de archivo</translation>
    </message>
    <message>
        <source>ends with a dot, which Windows drops</source>
        <translation>termina en un punto, que Windows elimina</translation>
    </message>
    <message>
        <source>ends with a space, which Windows drops</source>
        <translation>termina en un espacio, que Windows elimina</translation>
    </message>
    <message>
        <source>is a device name that Windows reserves</source>
        <translation>es un nombre de dispositivo que Windows reserva</translation>
    </message>
    <message>
        <source>is longer than the 255 characters a file name can have</source>
        <translation>supera los 255 caracteres que puede tener un nombre de archivo</translation>
    </message>
</context>
<context>
    <name>Files</name>
    <message>
        <source>The file cannot be opened for reading: %1</source>
        <translation>El archivo no se puede abrir para leerlo: %1</translation>
    </message>
    <message>
        <source>The file cannot be opened for writing: %1</source>
        <translation>El archivo no se puede abrir para escribir en él: %1</translation>
    </message>
    <message>
        <source>Reading %1 bytes at offset %2 failed: %3</source>
        <translation>La lectura de %1 bytes en la posición %2 falló: %3</translation>
    </message>
    <message>
        <source>Writing %1 bytes at offset %2 failed: %3</source>
        <translation>La escritura de %1 bytes en la posición %2 falló: %3</translation>
    </message>
    <message>
        <source>The file cannot be opened for writing: another program is using it</source>
        <translation>El archivo no se puede abrir para escribir en él: otro programa lo está usando</translation>
    </message>
    <message>
        <source>The length of the file cannot be read: %1</source>
        <translation>No se puede leer la longitud del archivo: %1</translation>
    </message>
    <message>
        <source>The file cannot be opened for reading: it is a folder</source>
        <translation>El archivo no se puede abrir para leerlo: es una carpeta</translation>
    </message>
    <message>
        <source>The file ended %1 bytes short of a read of %2 bytes at offset %3</source>
        <translation>El archivo terminó %1 bytes antes del final de una lectura de %2 bytes en la posición %3</translation>
    </message>
    <message>
        <source>The file cannot be read: it is a folder</source>
        <translation>El archivo no se puede leer: es una carpeta</translation>
    </message>
    <message>
        <source>Flushing the file to disk failed: %1</source>
        <translation>No se pudo escribir el archivo en el disco: %1</translation>
    </message>
    <message>
        <source>Closing the file failed: %1</source>
        <translation>No se pudo cerrar el archivo: %1</translation>
    </message>
    <message>
        <source>Windows takes its name for a device&apos;s (CON, AUX, NUL, COM1 and the like); rename the file</source>
        <translation>Windows toma su nombre por el de un dispositivo (CON, AUX, NUL, COM1 y similares); cambia el nombre del archivo</translation>
    </message>
</context>
<context>
    <name>Folders</name>
    <message>
        <source>Can not list the folder %1: %2</source>
        <translation>No se puede leer el contenido de la carpeta %1: %2</translation>
    </message>
</context>
<context>
    <name>FoundBy</name>
    <message>
        <source>Windows registry</source>
        <translation>Registro de Windows</translation>
    </message>
    <message>
        <source>Wine registry</source>
        <translation>Registro de Wine</translation>
    </message>
    <message>
        <source>Documents folder</source>
        <translation>Carpeta Documentos</translation>
    </message>
    <message>
        <source>Steam library</source>
        <translation>Biblioteca de Steam</translation>
    </message>
    <message>
        <source>Application Support folder</source>
        <translation>Carpeta «Application Support»</translation>
    </message>
    <message>
        <source>Environment variable</source>
        <translation>Variable de entorno</translation>
    </message>
    <message>
        <source>Chosen by you</source>
        <translation>Elegida por ti</translation>
    </message>
</context>
<context>
    <name>GameFiles</name>
    <message>
        <source>%1 MiB</source>
        <translation>%1 MiB</translation>
    </message>
    <message>
        <source>%1 bytes</source>
        <translation>%1 bytes</translation>
    </message>
    <message>
        <source>cannot be read (%1)</source>
        <translation>no se puede leer (%1)</translation>
    </message>
    <message>
        <source>is larger than %1 (%2 bytes)</source>
        <translation>ocupa más de %1 (%2 bytes)</translation>
    </message>
    <message>
        <source>cannot be opened</source>
        <translation>no se puede abrir</translation>
    </message>
    <message>
        <source>cannot be read</source>
        <translation>no se puede leer</translation>
    </message>
    <message>
        <source>holds a list where one folder was expected</source>
        <translation>contiene una lista donde se esperaba una sola carpeta</translation>
    </message>
    <message>
        <source>ends inside an escape</source>
        <translation>termina en medio de una secuencia de escape</translation>
    </message>
    <message>
        <source>holds an escape \x without digits</source>
        <translation>contiene una secuencia de escape \x sin dígitos</translation>
    </message>
    <message>
        <source>has a text without its closing quote</source>
        <translation>tiene un texto sin sus comillas de cierre</translation>
    </message>
    <message>
        <source>holds a value that is not a text</source>
        <translation>contiene un valor que no es un texto</translation>
    </message>
    <message>
        <source>is longer than %1 bytes</source>
        <translation>ocupa más de %1 bytes</translation>
    </message>
    <message>
        <source>is not valid UTF-8 text</source>
        <translation>no es texto UTF-8 válido</translation>
    </message>
    <message>
        <source>holds control characters</source>
        <translation>contiene caracteres de control</translation>
    </message>
    <message>
        <source>is not a full folder path (%1)</source>
        <translation>no es una ruta de carpeta completa (%1)</translation>
    </message>
    <message>
        <source>names a folder that does not exist (%1)</source>
        <translation>indica una carpeta que no existe (%1)</translation>
    </message>
    <message>
        <source>a closing brace has no opening one</source>
        <translation>una llave de cierre no tiene llave de apertura</translation>
    </message>
    <message>
        <source>is damaged at line %1: %2</source>
        <translation>está dañado en la línea %1: %2</translation>
    </message>
    <message>
        <source>a quoted text has no closing quote</source>
        <translation>un texto entre comillas no tiene comillas de cierre</translation>
    </message>
    <message>
        <source>a condition has no closing bracket</source>
        <translation>una condición no tiene corchete de cierre</translation>
    </message>
    <message>
        <source>blocks are nested deeper than %1</source>
        <translation>los bloques están anidados a más de %1 niveles</translation>
    </message>
    <message>
        <source>the file ends inside a block (it was cut off)</source>
        <translation>el archivo termina dentro de un bloque (se cortó)</translation>
    </message>
    <message>
        <source>a block has no key</source>
        <translation>un bloque no tiene clave</translation>
    </message>
    <message>
        <source>more than %1 keys</source>
        <translation>más de %1 claves</translation>
    </message>
    <message>
        <source>the file ends after a key (it was cut off)</source>
        <translation>el archivo termina tras una clave (se cortó)</translation>
    </message>
    <message>
        <source>a key has no value</source>
        <translation>una clave no tiene valor</translation>
    </message>
    <message>
        <source>is not a text file (it holds NUL bytes)</source>
        <translation>no es un archivo de texto (contiene bytes NUL)</translation>
    </message>
    <message>
        <source>is not a list of Steam libraries (it has no &quot;libraryfolders&quot; block)</source>
        <translation>no es una lista de bibliotecas de Steam (no tiene el bloque «libraryfolders»)</translation>
    </message>
    <message>
        <source>is too large to read</source>
        <translation>es demasiado grande para leerlo</translation>
    </message>
    <message>
        <source>binary data holds &apos;%1&apos;</source>
        <translation>los datos binarios contienen «%1»</translation>
    </message>
    <message>
        <source>a text has no closing quote</source>
        <translation>un texto no tiene comillas de cierre</translation>
    </message>
    <message>
        <source>text follows a closed value</source>
        <translation>hay texto tras un valor cerrado</translation>
    </message>
    <message>
        <source>a value name has no closing quote</source>
        <translation>un nombre de valor no tiene comillas de cierre</translation>
    </message>
    <message>
        <source>a value name is not followed by &apos;=&apos;</source>
        <translation>un nombre de valor no va seguido de «=»</translation>
    </message>
    <message>
        <source>a text type has no closing parenthesis</source>
        <translation>un tipo de texto no tiene paréntesis de cierre</translation>
    </message>
    <message>
        <source>a typed text is not quoted</source>
        <translation>un texto con tipo no está entre comillas</translation>
    </message>
    <message>
        <source>a dword value does not have eight hex digits</source>
        <translation>un valor dword no tiene ocho dígitos hexadecimales</translation>
    </message>
    <message>
        <source>a binary type has no closing parenthesis</source>
        <translation>un tipo binario no tiene paréntesis de cierre</translation>
    </message>
    <message>
        <source>a value of unknown type</source>
        <translation>un valor de tipo desconocido</translation>
    </message>
    <message>
        <source>the line is longer than %1</source>
        <translation>la línea ocupa más de %1</translation>
    </message>
    <message>
        <source>is not a Wine registry file (its first line is not &quot;%1&quot;)</source>
        <translation>no es un archivo de registro de Wine (su primera línea no es «%1»)</translation>
    </message>
    <message>
        <source>a key name has no closing bracket</source>
        <translation>un nombre de clave no tiene corchete de cierre</translation>
    </message>
    <message>
        <source>the line is neither a key nor a value</source>
        <translation>la línea no es ni una clave ni un valor</translation>
    </message>
    <message>
        <source>a value stands before the first key</source>
        <translation>hay un valor antes de la primera clave</translation>
    </message>
    <message>
        <source>is empty</source>
        <translation>está vacío</translation>
    </message>
    <message>
        <source>ends inside a value (the file was cut off)</source>
        <translation>termina dentro de un valor (el archivo se cortó)</translation>
    </message>
</context>
<context>
    <name>GameRunningGuard</name>
    <message>
        <source>The Sims 2 Is Running</source>
        <translation>Los Sims 2 está en marcha</translation>
    </message>
</context>
<context>
    <name>GameSearch</name>
    <message>
        <source>the setting &quot;%1&quot; %2</source>
        <translation>el ajuste «%1» %2</translation>
    </message>
</context>
<context>
    <name>LibraryHealth</name>
    <message>
        <source>The package is the container of a later game (version %1.%2); this game reads version 1</source>
        <translation>El paquete es el contenedor de un juego posterior (versión %1.%2); este juego lee la versión 1</translation>
    </message>
    <message>
        <source>Resource %1 (%2) lies past the end of the file: %3 bytes at offset %4, file %5 bytes</source>
        <translation>El recurso %1 (%2) queda más allá del final del archivo: %3 bytes en la posición %4, archivo de %5 bytes</translation>
    </message>
    <message>
        <source>The directory of compressed files lists %1, which is not in the package</source>
        <translation>El directorio de archivos comprimidos incluye %1, que no está en el paquete</translation>
    </message>
    <message>
        <source>The directory of compressed files disagrees with resource %1: %2</source>
        <translation>El directorio de archivos comprimidos no concuerda con el recurso %1: %2</translation>
    </message>
    <message>
        <source>compressed but not listed</source>
        <translation>comprimido pero no incluido</translation>
    </message>
    <message>
        <source>listed but not compressed</source>
        <translation>incluido pero no comprimido</translation>
    </message>
    <message>
        <source>The file is empty</source>
        <translation>El archivo está vacío</translation>
    </message>
</context>
<context>
    <name>LibraryIndex</name>
    <message>
        <source>The library index failed (%1): %2</source>
        <translation>Error del índice de la biblioteca (%1): %2</translation>
    </message>
    <message>
        <source>The library index failed: %1</source>
        <translation>Error del índice de la biblioteca: %1</translation>
    </message>
</context>
<context>
    <name>NumericFields</name>
    <message>
        <source>Price</source>
        <translation>Precio</translation>
    </message>
    <message>
        <source>Hunger</source>
        <translation>Hambre</translation>
    </message>
    <message>
        <source>Comfort</source>
        <translation>Comodidad</translation>
    </message>
    <message>
        <source>Hygiene</source>
        <translation>Higiene</translation>
    </message>
    <message>
        <source>Bladder</source>
        <translation>Vejiga</translation>
    </message>
    <message>
        <source>Energy</source>
        <translation>Energía</translation>
    </message>
    <message>
        <source>Fun</source>
        <translation>Diversión</translation>
    </message>
    <message>
        <source>Room</source>
        <translation>Entorno</translation>
    </message>
    <message>
        <source>Room motive</source>
        <translation>Necesidad de entorno</translation>
    </message>
    <message>
        <source>Niceness Multiplier:</source>
        <translation>Multiplicador de belleza:</translation>
    </message>
    <message>
        <source>Niceness Multiplier</source>
        <translation>Multiplicador de belleza</translation>
    </message>
    <message>
        <source>Initial</source>
        <translation>Inicial</translation>
    </message>
    <message>
        <source>Initial Depreciation</source>
        <translation>Depreciación inicial</translation>
    </message>
    <message>
        <source>Daily</source>
        <translation>Diaria</translation>
    </message>
    <message>
        <source>Daily Depreciation</source>
        <translation>Depreciación diaria</translation>
    </message>
    <message>
        <source>Limit</source>
        <translation>Límite</translation>
    </message>
    <message>
        <source>Depreciation Limit</source>
        <translation>Límite de depreciación</translation>
    </message>
</context>
<context>
    <name>ObjectColumn</name>
    <message>
        <source>Thumbnail</source>
        <translation>Miniatura</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nombre</translation>
    </message>
    <message>
        <source>Price</source>
        <translation>Precio</translation>
    </message>
    <message>
        <source>Function</source>
        <translation>Función</translation>
    </message>
    <message>
        <source>Function Sub-category</source>
        <translation>Subcategoría de función</translation>
    </message>
    <message>
        <source>Rooms</source>
        <translation>Habitaciones</translation>
    </message>
    <message>
        <source>Community</source>
        <translation>Comunidad</translation>
    </message>
    <message>
        <source>Build</source>
        <translation>Construcción</translation>
    </message>
    <message>
        <source>Build Sub-type</source>
        <translation>Subtipo de construcción</translation>
    </message>
    <message>
        <source>Skills</source>
        <translation>Habilidades</translation>
    </message>
    <message>
        <source>Wants</source>
        <translation>Deseos</translation>
    </message>
    <message>
        <source>GUID</source>
        <translation>GUID</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Archivo</translation>
    </message>
</context>
<context>
    <name>ObjectEditor</name>
    <message>
        <source>Missing OBJD</source>
        <translation>Falta el OBJD</translation>
    </message>
    <message>
        <source>OBJD too short: %1 bytes, the catalog fields need %2</source>
        <translation>OBJD demasiado corto: %1 bytes, los campos del catálogo necesitan %2</translation>
    </message>
</context>
<context>
    <name>OriginalRestore</name>
    <message>
        <source>Restore Original</source>
        <translation>Restaurar original</translation>
    </message>
    <message>
        <source>Restore the original version of %1? The current version is kept as a backup.</source>
        <translation>¿Restaurar la versión original de %1? La versión actual se guarda como copia de seguridad.</translation>
    </message>
    <message>
        <source>No backup of this object is kept.</source>
        <translation>No se guarda ninguna copia de seguridad de este objeto.</translation>
    </message>
    <message>
        <source>The original version of %1 was restored.</source>
        <translation>Se restauró la versión original de %1.</translation>
    </message>
</context>
<context>
    <name>PackageReader</name>
    <message numerus="yes">
        <source>%n byte(s)</source>
        <translation>
            <numerusform>%n byte</numerusform>
            <numerusform>%n bytes</numerusform>
        </translation>
    </message>
    <message>
        <source>1 entry</source>
        <translation>1 entrada</translation>
    </message>
    <message numerus="yes">
        <source>%n entries</source>
        <translation>
            <numerusform>%n entrada</numerusform>
            <numerusform>%n entradas</numerusform>
        </translation>
    </message>
    <message>
        <source>file</source>
        <extracomment>What a package read from disk is called. Every refusal naming it can be said as &quot;of the file&quot; (&quot;the end of the file&quot;, &quot;the length of the file&quot;), so the translation may carry that article.</extracomment>
        <translation>del archivo</translation>
    </message>
    <message>
        <source>A read of %1 bytes at offset %2 lies outside the package (%3 bytes)</source>
        <translation>Una lectura de %1 bytes en la posición %2 queda fuera del paquete (%3 bytes)</translation>
    </message>
    <message>
        <source>package</source>
        <extracomment>What a package read from memory is called. Every refusal naming it can be said as &quot;of the package&quot; (&quot;the end of the package&quot;, &quot;the length of the package&quot;), so the translation may carry that article.</extracomment>
        <translation>del paquete</translation>
    </message>
    <message>
        <source>The %1 is %2 long, shorter than the 96-byte package header</source>
        <translation>La longitud %1 es de %2, menos que la cabecera del paquete de 96 bytes</translation>
    </message>
    <message>
        <source>Index count %1 is negative</source>
        <translation>El número de entradas del índice (%1) es negativo</translation>
    </message>
    <message>
        <source>Index of %1 starts at offset %2, before the start of the %3</source>
        <translation>El índice de %1 empieza en la posición %2, antes del comienzo %3</translation>
    </message>
    <message>
        <source>Index of %1 at offset %2 runs past the end of the %3 (%4)</source>
        <translation>El índice de %1 en la posición %2 va más allá del final %3 (%4)</translation>
    </message>
    <message>
        <source>The index ended early while it was read (the file changed)</source>
        <translation>El índice terminó antes de tiempo mientras se leía (el archivo cambió)</translation>
    </message>
    <message>
        <source>Resource %1 of %2 (type %3)</source>
        <translation>El recurso %1 de %2 (tipo %3)</translation>
    </message>
    <message>
        <source>%1 starts at offset %2, before the start of the %3</source>
        <translation>%1 empieza en la posición %2, antes del comienzo %3</translation>
    </message>
    <message>
        <source>%1 has a negative size (%2)</source>
        <translation>%1 tiene un tamaño negativo (%2)</translation>
    </message>
    <message>
        <source>%1 at offset %2 with %3 runs past the end of the %4 (%5)</source>
        <translation>%1 en la posición %2 con %3 va más allá del final %4 (%5)</translation>
    </message>
    <message>
        <source>The index&apos;s %1 name resources of %2 in all, more than the %3 (%4) can hold even with shared ranges</source>
        <translation>Las entradas del índice (%1) nombran recursos de %2 en total, más de lo que admite el tamaño %3 (%4) incluso con rangos compartidos</translation>
    </message>
    <message>
        <source>The package header needs 96 bytes, %1 are there</source>
        <translation>La cabecera del paquete necesita 96 bytes, hay %1</translation>
    </message>
</context>
<context>
    <name>PackageScan</name>
    <message>
        <source>The file name is not valid Unicode (the odd character is shown as �); rename the file to use it</source>
        <translation>El nombre del archivo no es Unicode válido (el carácter extraño se muestra como �); cambia el nombre del archivo para usarlo</translation>
    </message>
    <message>
        <source>Windows does not allow this file name (the name %1), so the game cannot load it; rename the file to use it</source>
        <translation>Windows no permite este nombre de archivo (el nombre %1), así que el juego no puede cargarlo; cambia el nombre del archivo para usarlo</translation>
    </message>
    <message>
        <source>There is not enough memory to read the package</source>
        <translation>No hay memoria suficiente para leer el paquete</translation>
    </message>
</context>
<context>
    <name>PackageWriter</name>
    <message>
        <source>%1 %2 has a %3 of %4 bytes; identifiers are 4 bytes</source>
        <translation>%1 %2 tiene un %3 de %4 bytes; los identificadores ocupan 4 bytes</translation>
    </message>
    <message>
        <source>type identifier</source>
        <translation>identificador de tipo</translation>
    </message>
    <message>
        <source>Resource</source>
        <translation>El recurso</translation>
    </message>
    <message>
        <source>group identifier</source>
        <translation>identificador de grupo</translation>
    </message>
    <message>
        <source>instance identifier</source>
        <translation>identificador de instancia</translation>
    </message>
    <message>
        <source>resource identifier</source>
        <translation>identificador de recurso</translation>
    </message>
    <message>
        <source>The package would grow past 2 GiB at resource %1; offsets in a package are 32-bit</source>
        <translation>El paquete superaría los 2 GiB en el recurso %1; las posiciones de un paquete son de 32 bits</translation>
    </message>
    <message>
        <source>The package&apos;s index would end past 2 GiB; offsets in a package are 32-bit</source>
        <translation>El índice del paquete terminaría más allá de los 2 GiB; las posiciones de un paquete son de 32 bits</translation>
    </message>
    <message>
        <source>%1 (still so after %2 retries)</source>
        <translation>%1 (sigue así tras %2 reintentos)</translation>
    </message>
    <message>
        <source>Directory entry</source>
        <translation>La entrada de directorio</translation>
    </message>
</context>
<context>
    <name>Phrasebook</name>
    <message>
        <source>%1, %2</source>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <translation>%1 y %2</translation>
    </message>
</context>
<context>
    <name>RecolorTrash</name>
    <message>
        <source>The files go to the trash, from where they can still be restored.</source>
        <translation>Los archivos van a la papelera, desde donde aún se pueden recuperar.</translation>
    </message>
    <message>
        <source>This system has no trash: the files are deleted for good.</source>
        <translation>Este sistema no tiene papelera: los archivos se borran para siempre.</translation>
    </message>
</context>
<context>
    <name>Resources</name>
    <message>
        <source>Object definition</source>
        <translation>Definición de objeto</translation>
    </message>
    <message>
        <source>Package index</source>
        <translation>Índice del paquete</translation>
    </message>
    <message>
        <source>Hole table</source>
        <translation>Tabla de huecos</translation>
    </message>
    <message>
        <source>Package header</source>
        <translation>Cabecera del paquete</translation>
    </message>
    <message>
        <source>Directory of compressed files</source>
        <translation>Directorio de archivos comprimidos</translation>
    </message>
    <message>
        <source>Property set</source>
        <translation>Conjunto de propiedades</translation>
    </message>
    <message>
        <source>is %1, but %2 bytes cannot hold that many items</source>
        <translation>es %1, pero %2 bytes no pueden contener tantos elementos</translation>
    </message>
    <message>
        <source>is %1, but %2 bytes cannot hold that many records of %3 bytes</source>
        <translation>es %1, pero %2 bytes no pueden contener tantos registros de %3 bytes</translation>
    </message>
    <message>
        <source>Resource collection</source>
        <translation>Colección de recursos</translation>
    </message>
    <message>
        <source>Texture image</source>
        <translation>Imagen de textura</translation>
    </message>
    <message>
        <source>is negative (%1)</source>
        <translation>es negativo (%1)</translation>
    </message>
    <message>
        <source>%1: %2 at offset %3 needs %4 bytes, but only %5 of %6 are left</source>
        <translation>%1: %2 en la posición %3 necesita %4 bytes, pero solo quedan %5 de %6</translation>
    </message>
    <message>
        <source>%1: %2 at offset %3 %4</source>
        <translation>%1: %2 en la posición %3 %4</translation>
    </message>
    <message>
        <source>Sims2Pack header</source>
        <translation>Cabecera del Sims2Pack</translation>
    </message>
    <message>
        <source>Text list</source>
        <translation>Lista de textos</translation>
    </message>
    <message>
        <source>declares %1 entries, but only %2 bytes follow</source>
        <translation>declara %1 entradas, pero solo siguen %2 bytes</translation>
    </message>
</context>
<context>
    <name>RestoreOriginalAction</name>
    <message>
        <source>The original could not be restored; the file was left as it was.<byte value="xd"/>
<byte value="xd"/>
</source>
        <translation>No se pudo restaurar el original; el archivo se ha dejado como estaba.<byte value="xd"/>
<byte value="xd"/>
</translation>
    </message>
</context>
<context>
    <name>RunningGame</name>
    <message>
        <source>The Sims 2 is running (%1). Close the game before changing your downloads.</source>
        <translation>Los Sims 2 se está ejecutando (%1). Cierra el juego antes de cambiar tus descargas.</translation>
    </message>
</context>
<context>
    <name>Sims2Pack</name>
    <message numerus="yes">
        <source>%n byte(s)</source>
        <translation>
            <numerusform>%n byte</numerusform>
            <numerusform>%n bytes</numerusform>
        </translation>
    </message>
    <message>
        <source>the XML&apos;s root element is &lt;%1&gt;, not &lt;Sims2Package&gt;</source>
        <translation>el elemento raíz del XML es &lt;%1&gt;, no &lt;Sims2Package&gt;</translation>
    </message>
    <message>
        <source>item %1 has two &lt;%2&gt; elements</source>
        <translation>el elemento %1 tiene dos elementos &lt;%2&gt;</translation>
    </message>
    <message>
        <source>the XML lists more than %1 items</source>
        <translation>el XML enumera más de %1 elementos</translation>
    </message>
    <message>
        <source>the XML lists more than %1 dependencies</source>
        <translation>el XML enumera más de %1 dependencias</translation>
    </message>
    <message>
        <source>%1 has an empty &lt;%2&gt;</source>
        <translation>%1 tiene un &lt;%2&gt; vacío</translation>
    </message>
    <message>
        <source>the &lt;%1&gt; of %2 is negative (%3)</source>
        <translation>el &lt;%1&gt; de %2 es negativo (%3)</translation>
    </message>
    <message>
        <source>the &lt;%1&gt; of %2 is &quot;%3&quot;, not a whole number</source>
        <translation>el &lt;%1&gt; de %2 es «%3», no un número entero</translation>
    </message>
    <message>
        <source>the &lt;%1&gt; of %2 (%3) is too large</source>
        <translation>el &lt;%1&gt; de %2 (%3) es demasiado grande</translation>
    </message>
    <message>
        <source>%1 lies outside the data: its Offset %2 and Length %3 end at byte %4 of the data, which holds %5</source>
        <translation>%1 está fuera de los datos: su Offset %2 y su Length %3 terminan en el byte %4 de los datos, que contienen %5</translation>
    </message>
    <message>
        <source>%1 and %2 overlap: they hold bytes %3 to %4 and %5 to %6 of the data</source>
        <translation>%1 y %2 se solapan: ocupan los bytes %3 a %4 y %5 a %6 de los datos</translation>
    </message>
    <message>
        <source>the data begins with %1 that belong to no item (the first item, %2, starts at byte %3)</source>
        <translation>los datos empiezan con %1 que no pertenecen a ningún elemento (el primer elemento, %2, empieza en el byte %3)</translation>
    </message>
    <message>
        <source>the Length of %1 (%2) disagrees with the data: it ends at byte %3, but the next item starts at byte %4</source>
        <translation>la Length de %1 (%2) no concuerda con los datos: termina en el byte %3, pero el siguiente elemento empieza en el byte %4</translation>
    </message>
    <message>
        <source>the XML lists no item with any bytes, but %1 of data follow it</source>
        <translation>el XML no enumera ningún elemento con bytes, pero le siguen %1 de datos</translation>
    </message>
    <message>
        <source>the Length of %1 (%2) disagrees with the data: the items end at byte %3, but the data holds %4</source>
        <translation>la Length de %1 (%2) no concuerda con los datos: los elementos terminan en el byte %3, pero los datos contienen %4</translation>
    </message>
    <message>
        <source>item %1 (&quot;%2&quot;)</source>
        <translation>elemento %1 («%2»)</translation>
    </message>
    <message>
        <source>the file is %1 long, shorter than the 22-byte header of a Sims2Pack file</source>
        <translation>el archivo mide %1, menos que la cabecera de 22 bytes de un archivo Sims2Pack</translation>
    </message>
    <message>
        <source>not a Sims2Pack file: bytes 0 to 17 hold &quot;%1&quot;, not &quot;%2&quot; or &quot;%3&quot;</source>
        <translation>no es un archivo Sims2Pack: los bytes 0 a 17 contienen «%1», no «%2» ni «%3»</translation>
    </message>
    <message>
        <source>the data offset (bytes 18 to 21) is %1, before byte 22, where the XML begins</source>
        <translation>el inicio de los datos (bytes 18 a 21) es %1, antes del byte 22, donde empieza el XML</translation>
    </message>
    <message>
        <source>the data offset (bytes 18 to 21) is %1, past the end of the file (%2)</source>
        <translation>el inicio de los datos (bytes 18 a 21) es %1, más allá del final del archivo (%2)</translation>
    </message>
    <message>
        <source>the XML (bytes 22 to %1) is %2 long, more than the 16 MiB allowed</source>
        <translation>el XML (bytes 22 a %1) mide %2, más de los 16 MiB permitidos</translation>
    </message>
    <message>
        <source>the XML cannot be read: %1</source>
        <translation>el XML no se puede leer: %1</translation>
    </message>
    <message>
        <source>%1 has no &lt;Length&gt;</source>
        <translation>%1 no tiene &lt;Length&gt;</translation>
    </message>
    <message>
        <source>%1 has no &lt;Offset&gt;</source>
        <translation>%1 no tiene &lt;Offset&gt;</translation>
    </message>
    <message>
        <source>the file holds %1 bytes, more than the 2 GiB a Sims2Pack file can hold</source>
        <translation>el archivo contiene %1 bytes, más de los 2 GiB que puede contener un archivo Sims2Pack</translation>
    </message>
</context>
<context>
    <name>Sims2PackInstall</name>
    <message>
        <source>%1 is not a readable package: %2</source>
        <translation>%1 no es un paquete legible: %2</translation>
    </message>
    <message>
        <source>%1: the name %2</source>
        <translation>%1: el nombre %2</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a folder</source>
        <translation>«%1» no es una carpeta</translation>
    </message>
    <message>
        <source>The folder %1 cannot be listed: %2</source>
        <translation>No se puede leer el contenido de la carpeta %1: %2</translation>
    </message>
    <message>
        <source>&quot;%1&quot; cannot be compared with the item: %2</source>
        <translation>«%1» no se puede comparar con el elemento: %2</translation>
    </message>
    <message>
        <source>the folder cannot be created: %1</source>
        <translation>no se puede crear la carpeta: %1</translation>
    </message>
    <message>
        <source>a file of that name appeared meanwhile</source>
        <translation>mientras tanto apareció un archivo con ese nombre</translation>
    </message>
    <message>
        <source>%1 could not be written (%2); nothing was written from the Sims2Pack</source>
        <translation>%1 no se pudo escribir (%2); no se escribió nada del Sims2Pack</translation>
    </message>
    <message>
        <source>the file&apos;s name gives no folder to install into (&quot;%1&quot; %2); choose a folder</source>
        <translation>el nombre del archivo no sirve como carpeta de instalación («%1» %2); elige una carpeta</translation>
    </message>
    <message>
        <source>%1 and %2 share a name</source>
        <translation>%1 y %2 tienen el mismo nombre</translation>
    </message>
    <message>
        <source>%1: &quot;%2&quot; holds %3 numbered files of its name already</source>
        <translation>%1: «%2» ya contiene %3 archivos numerados con ese nombre</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is taken in &quot;%2&quot; by a different file</source>
        <translation>«%1» ya está ocupado en «%2» por un archivo distinto</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is taken in &quot;%2&quot; by a different file, and so is 1 more name</source>
        <translation>«%1» ya está ocupado en «%2» por un archivo distinto, y también 1 nombre más</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is taken in &quot;%2&quot; by a different file, and so are %3 more names</source>
        <translation>«%1» ya está ocupado en «%2» por un archivo distinto, y también %3 nombres más</translation>
    </message>
    <message>
        <source>&quot;%1&quot; holds &quot;%2&quot; already</source>
        <translation>«%1» ya contiene «%2»</translation>
    </message>
    <message>
        <source>The game&apos;s Downloads folder was not found; choose a folder to install into</source>
        <translation>No se encontró la carpeta Downloads del juego; elige una carpeta donde instalar</translation>
    </message>
    <message>
        <source>%1; choose a folder to install into</source>
        <translation>%1; elige una carpeta donde instalar</translation>
    </message>
</context>
<context>
    <name>Sims2PackInstallWork</name>
    <message>
        <source>GUID clashes were not checked: the game&apos;s Downloads folder was not found.</source>
        <translation>No se han comprobado los conflictos de GUID: no se ha encontrado la carpeta Downloads del juego.</translation>
    </message>
    <message>
        <source>GUID clashes were not checked: %1</source>
        <translation>No se han comprobado los conflictos de GUID: %1</translation>
    </message>
    <message>
        <source>GUID clashes were not checked: this build has no library index.</source>
        <translation>No se han comprobado los conflictos de GUID: esta versión del programa no tiene índice de la biblioteca.</translation>
    </message>
</context>
<context>
    <name>StartupChecks</name>
    <message>
        <source>Kelvora DLL version obsolete!</source>
        <translation>¡Versión de la DLL de Kelvora obsoleta!</translation>
    </message>
    <message>
        <source>DLL version found: %1</source>
        <translation>Versión de la DLL encontrada: %1</translation>
    </message>
    <message>
        <source>DLL version required: %1</source>
        <translation>Versión de la DLL necesaria: %1</translation>
    </message>
    <message>
        <source>Can not find the documents folder!</source>
        <translation>¡No se encuentra la carpeta de documentos!</translation>
    </message>
    <message>
        <source>Can not find the path to the Sims 2!</source>
        <translation>¡No se encuentra la ruta de Los Sims 2!</translation>
    </message>
    <message>
        <source>Can not find Sims 2 data path!</source>
        <translation>¡No se encuentra la ruta de datos de Los Sims 2!</translation>
    </message>
    <message>
        <source>Program can not be run from the sims data folder!</source>
        <translation>¡El programa no se puede ejecutar desde la carpeta de datos de Los Sims!</translation>
    </message>
    <message>
        <source>Kelvora DLL not found!</source>
        <translation>¡No se encuentra la DLL de Kelvora!</translation>
    </message>
    <message>
        <source>Kelvora DLL can not be used!</source>
        <translation>¡La DLL de Kelvora no se puede usar!</translation>
    </message>
    <message>
        <source>Can not create the temp folder!</source>
        <translation>¡No se puede crear la carpeta temporal!</translation>
    </message>
</context>
<context>
    <name>SupportLibrary</name>
    <message>
        <source>The support library &quot;%1&quot; could not be loaded (%2)</source>
        <translation>No se pudo cargar la biblioteca de apoyo «%1» (%2)</translation>
    </message>
    <message>
        <source>The support library &quot;%1&quot; has no function &quot;%2&quot;</source>
        <translation>La biblioteca de apoyo «%1» no tiene la función «%2»</translation>
    </message>
    <message>
        <source>%1 of %2 bytes is too large for the support library</source>
        <translation>%1 de %2 bytes es demasiado grande para la biblioteca de apoyo</translation>
    </message>
    <message>
        <source>A compressed resource</source>
        <translation>Un recurso comprimido</translation>
    </message>
    <message>
        <source>A resource</source>
        <translation>Un recurso</translation>
    </message>
    <message>
        <source>A pixel buffer</source>
        <translation>Un búfer de píxeles</translation>
    </message>
</context>
<context>
    <name>ThumbnailPages</name>
    <message>
        <source>Page %1 of %2</source>
        <translation>Página %1 de %2</translation>
    </message>
</context>
<context>
    <name>ThumbnailPurge</name>
    <message>
        <source>The backup folder %1 cannot be created: %2</source>
        <translation>No se puede crear la carpeta de copias de seguridad %1: %2</translation>
    </message>
    <message>
        <source>The previous %1 could not be kept in %2: %3</source>
        <translation>No se pudo guardar la versión anterior de %1 en %2: %3</translation>
    </message>
    <message>
        <source>%1 changed on disk while it was purged; try again when the game is closed</source>
        <translation>%1 cambió en el disco mientras se limpiaba; vuelve a intentarlo con el juego cerrado</translation>
    </message>
    <message>
        <source>%1 is corrupt!!!<byte value="xd"/>
<byte value="xd"/>
Operation aborted.</source>
        <translation>¡¡¡%1 está dañado!!!<byte value="xd"/>
<byte value="xd"/>
Operación cancelada.</translation>
    </message>
    <message>
        <source>Resource %1 of %2 (type %3) at offset %4 with %5 bytes lies outside the file (%6 bytes)</source>
        <translation>El recurso %1 de %2 (tipo %3) en la posición %4 con %5 bytes queda fuera del archivo (%6 bytes)</translation>
    </message>
    <message>
        <source>The rewritten %1 would grow past 2 GiB; offsets in a package are 32-bit</source>
        <translation>%1, una vez reescrito, superaría los 2 GiB; las posiciones de un paquete son de 32 bits</translation>
    </message>
</context>
<context>
    <name>ThumbnailPurgeAction</name>
    <message>
        <source>This menu choice will delete all of the thumbnails for this object, including recolors. When a new mesh or texture is created for an object, the old thumbnails are not updated to reflect the changes. For object creators this can be a real annoyance. The game will generate new thumbnails for an object the next time you view the catalog information for it in the game. (Note: This can take a long time to finish if you have alot of custom content.)</source>
        <translation>Esta opción del menú borrará todas las miniaturas de este objeto, recolores incluidos. Cuando se crea una nueva malla o textura para un objeto, las miniaturas antiguas no se actualizan para reflejar los cambios, algo muy molesto para los creadores de objetos. El juego generará miniaturas nuevas la próxima vez que veas la información del objeto en el catálogo del juego. (Nota: puede tardar mucho si tienes mucho contenido personalizado.)</translation>
    </message>
    <message>
        <source>Would you like to delete all the thumbnails for this object?</source>
        <translation>¿Quieres borrar todas las miniaturas de este objeto?</translation>
    </message>
    <message>
        <source>%1 does not exist and was skipped.</source>
        <translation>%1 no existe y se ha omitido.</translation>
    </message>
    <message>
        <source>%1 was left as it was.</source>
        <translation>%1 se ha dejado como estaba.</translation>
    </message>
    <message>
        <source>Purging thumbnails...</source>
        <translation>Borrando miniaturas...</translation>
    </message>
    <message>
        <source>Delete Selected Object Thumbnails</source>
        <translation>Borrar las miniaturas del objeto seleccionado</translation>
    </message>
    <message>
        <source>CONFIRM ACTION</source>
        <translation>CONFIRMAR ACCIÓN</translation>
    </message>
    <message>
        <source>EXTREMELY BAD ERROR</source>
        <translation>ERROR MUY GRAVE</translation>
    </message>
    <message>
        <source>OPERATION CANCELLED</source>
        <translation>OPERACIÓN CANCELADA</translation>
    </message>
    <message>
        <source>The purge was cancelled.</source>
        <translation>Se ha cancelado el borrado.</translation>
    </message>
    <message>
        <source>OPERATION SUCCESSFUL</source>
        <translation>OPERACIÓN REALIZADA</translation>
    </message>
    <message>
        <source>All thumbnails for the selected object have been purged.</source>
        <translation>Se han borrado todas las miniaturas del objeto seleccionado.</translation>
    </message>
    <message>
        <source>No object is selected</source>
        <translation>No hay ningún objeto seleccionado</translation>
    </message>
</context>
<context>
    <name>Words</name>
    <message>
        <source>The file is too short to be a package</source>
        <translation>El archivo es demasiado corto para ser un paquete</translation>
    </message>
    <message>
        <source>The file is damaged: its table of contents runs past its end</source>
        <translation>El archivo está dañado: su índice va más allá de su final</translation>
    </message>
    <message>
        <source>The file is damaged: its table of contents is garbled</source>
        <translation>El archivo está dañado: su índice está corrupto</translation>
    </message>
    <message>
        <source>The file changed while it was being read</source>
        <translation>El archivo cambió mientras se leía</translation>
    </message>
    <message>
        <source>The file is damaged: a part of it runs past its end (it may be cut short)</source>
        <translation>El archivo está dañado: una parte va más allá de su final (puede estar cortado)</translation>
    </message>
    <message>
        <source>The file is damaged: a part of it is garbled</source>
        <translation>El archivo está dañado: una parte está corrupta</translation>
    </message>
    <message>
        <source>The file is damaged: it ends too early</source>
        <translation>El archivo está dañado: termina demasiado pronto</translation>
    </message>
    <message>
        <source>The file cannot be read as a package</source>
        <translation>El archivo no se puede leer como paquete</translation>
    </message>
</context>
<context>
    <name>WorkProgress</name>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Cancelling...</source>
        <translation>Cancelando...</translation>
    </message>
</context>
<context>
    <name>varnick::AboutDialog</name>
    <message>
        <source>(not found)</source>
        <translation>(no encontrado)</translation>
    </message>
    <message>
        <source>not loaded (%1)</source>
        <translation>no cargada (%1)</translation>
    </message>
    <message>
        <source>(none)</source>
        <translation>(ninguno)</translation>
    </message>
    <message>
        <source>Varnick: %1.%2.%3</source>
        <translation>Varnick: %1.%2.%3</translation>
    </message>
    <message>
        <source>Kelvora: %1</source>
        <translation>Kelvora: %1</translation>
    </message>
    <message>
        <source>Qt: %1 (built with %2)</source>
        <translation>Qt: %1 (compilado con %2)</translation>
    </message>
    <message>
        <source>Game folder: %1</source>
        <translation>Carpeta del juego: %1</translation>
    </message>
    <message>
        <source>Data folder: %1</source>
        <translation>Carpeta de datos: %1</translation>
    </message>
    <message>
        <source>Settings: %1</source>
        <translation>Configuración: %1</translation>
    </message>
    <message>
        <source>Backups: %1</source>
        <translation>Copias de seguridad: %1</translation>
    </message>
    <message>
        <source>Library index: %1</source>
        <translation>Índice de la biblioteca: %1</translation>
    </message>
    <message>
        <source>About Varnick</source>
        <translation>Acerca de Varnick</translation>
    </message>
    <message>
        <source>Browse, edit and tidy the custom objects you downloaded for the game.</source>
        <translation>Explora, edita y ordena los objetos personalizados que has descargado para el juego.</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Copiar</translation>
    </message>
    <message>
        <source>Puts these lines on the clipboard, to paste into a question on a help forum.</source>
        <translation>Copia estas líneas al portapapeles para pegarlas en una pregunta en un foro de ayuda.</translation>
    </message>
    <message>
        <source>Versions and folders</source>
        <translation>Versiones y carpetas</translation>
    </message>
</context>
<context>
    <name>varnick::AppearanceDialog</name>
    <message>
        <source>Appearance</source>
        <translation>Apariencia</translation>
    </message>
    <message>
        <source>System</source>
        <translation>Sistema</translation>
    </message>
    <message>
        <source>Light</source>
        <translation>Claro</translation>
    </message>
    <message>
        <source>Dark</source>
        <translation>Oscuro</translation>
    </message>
    <message>
        <source>&amp;Colours:</source>
        <translation>&amp;Colores:</translation>
    </message>
    <message>
        <source>System follows the look of your desktop.</source>
        <translation>Sistema sigue el aspecto de tu escritorio.</translation>
    </message>
</context>
<context>
    <name>varnick::FolderPane</name>
    <message>
        <source>Do&amp;wnloads Folder</source>
        <translation>Carpeta &amp;Downloads</translation>
    </message>
    <message>
        <source>&amp;Alternate Path</source>
        <translation>&amp;Ruta alternativa</translation>
    </message>
    <message>
        <source>Alternate Path: %1</source>
        <translation>Ruta alternativa: %1</translation>
    </message>
    <message>
        <source>Folders</source>
        <translation>Carpetas</translation>
    </message>
</context>
<context>
    <name>varnick::HelpViewer</name>
    <message>
        <source>&amp;Contents</source>
        <translation>&amp;Contenido</translation>
    </message>
    <message>
        <source>&amp;Back</source>
        <translation>&amp;Atrás</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
    <message>
        <source>Varnick Help - %1</source>
        <translation>Ayuda de Varnick - %1</translation>
    </message>
</context>
<context>
    <name>varnick::LanguageDialog</name>
    <message>
        <source>Language</source>
        <translation>Idioma</translation>
    </message>
    <message>
        <source>System language</source>
        <translation>Idioma del sistema</translation>
    </message>
    <message>
        <source>&amp;Language:</source>
        <translation>&amp;Idioma:</translation>
    </message>
    <message>
        <source>The new language takes effect the next time Varnick starts.</source>
        <translation>El nuevo idioma se aplicará la próxima vez que se inicie Varnick.</translation>
    </message>
</context>
<context>
    <name>varnick::MainMenus</name>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Archivo</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Salir</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Opciones</translation>
    </message>
    <message>
        <source>Turn &amp;Selection Rectangle Off</source>
        <translation>Desactivar el &amp;rectángulo de selección</translation>
    </message>
    <message>
        <source>&amp;Backups and Saving...</source>
        <translation>&amp;Copias de seguridad y guardado...</translation>
    </message>
    <message>
        <source>&amp;Appearance...</source>
        <translation>&amp;Apariencia...</translation>
    </message>
    <message>
        <source>&amp;Language...</source>
        <translation>&amp;Idioma...</translation>
    </message>
    <message>
        <source>&amp;Tools</source>
        <translation>&amp;Herramientas</translation>
    </message>
    <message>
        <source>Delete Selected Object &amp;Thumbnails</source>
        <translation>Borrar las &amp;miniaturas del objeto seleccionado</translation>
    </message>
    <message>
        <source>&amp;Restore Original...</source>
        <translation>&amp;Restaurar original...</translation>
    </message>
    <message>
        <source>Library &amp;Health...</source>
        <translation>&amp;Estado de la biblioteca...</translation>
    </message>
    <message>
        <source>Select All on This &amp;Page</source>
        <translation>Seleccionar todo en esta &amp;página</translation>
    </message>
    <message>
        <source>Select &amp;All in This Folder</source>
        <translation>Seleccionar &amp;todo en esta carpeta</translation>
    </message>
    <message>
        <source>&amp;Edit Selected...</source>
        <translation>E&amp;ditar seleccionados...</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>A&amp;yuda</translation>
    </message>
    <message>
        <source>Help &amp;Contents</source>
        <translation>&amp;Contenido de la ayuda</translation>
    </message>
    <message>
        <source>&amp;About Varnick</source>
        <translation>&amp;Acerca de Varnick</translation>
    </message>
    <message>
        <source>&amp;Edit Object</source>
        <translation>&amp;Editar objeto</translation>
    </message>
    <message>
        <source>&amp;Delete/Move...</source>
        <translation>&amp;Borrar/Mover...</translation>
    </message>
</context>
<context>
    <name>varnick::ObjectPane</name>
    <message>
        <source>Selected Object File</source>
        <translation>Archivo del objeto seleccionado</translation>
    </message>
    <message>
        <source>Selected Ob&amp;ject Details</source>
        <translation>Detalles del objeto &amp;seleccionado</translation>
    </message>
</context>
<context>
    <name>varnick::ObjectTableModel</name>
    <message>
        <source>Changed; not saved yet (Save Changes writes it)</source>
        <translation>Modificado; aún sin guardar («Guardar cambios» lo escribe)</translation>
    </message>
</context>
<context>
    <name>varnick::ObjectTableView</name>
    <message>
        <source>Filter by name, file name or GUID</source>
        <translation>Filtrar por nombre, nombre de archivo o GUID</translation>
    </message>
    <message>
        <source>Edit Selected...</source>
        <translation>Editar seleccionados...</translation>
    </message>
    <message>
        <source>Save Changes</source>
        <translation>Guardar cambios</translation>
    </message>
    <message>
        <source>Discard Changes</source>
        <translation>Descartar cambios</translation>
    </message>
    <message>
        <source>Export CSV...</source>
        <translation>Exportar CSV...</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message numerus="yes">
        <source>The table holds changes of %n object(s) that are not saved:</source>
        <translation>
            <numerusform>La tabla tiene cambios sin guardar en %n objeto:</numerusform>
            <numerusform>La tabla tiene cambios sin guardar en %n objetos:</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 on %n object(s).</source>
        <translation>
            <numerusform>%1 en %n objeto.</numerusform>
            <numerusform>%1 en %n objetos.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>(and %n more change(s))</source>
        <translation>
            <numerusform>(y %n cambio más)</numerusform>
            <numerusform>(y %n cambios más)</numerusform>
        </translation>
    </message>
    <message>
        <source>Save them now?</source>
        <translation>¿Guardarlos ahora?</translation>
    </message>
    <message>
        <source>Unsaved Changes</source>
        <translation>Cambios sin guardar</translation>
    </message>
    <message numerus="yes">
        <source>%1 of %n object(s)</source>
        <translation>
            <numerusform>%1 de %n objeto</numerusform>
            <numerusform>%1 de %n objetos</numerusform>
        </translation>
    </message>
    <message>
        <source>%1, %2 changed (not saved)</source>
        <translation>%1, %2 modificados (sin guardar)</translation>
    </message>
    <message>
        <source>Confirm Save</source>
        <translation>Confirmar guardado</translation>
    </message>
    <message>
        <source>Saving objects...</source>
        <translation>Guardando objetos...</translation>
    </message>
    <message>
        <source>Export CSV</source>
        <translation>Exportar CSV</translation>
    </message>
    <message>
        <source>CSV files (*.csv);;All files (*)</source>
        <translation>Archivos CSV (*.csv);;Todos los archivos (*)</translation>
    </message>
    <message>
        <source>Export Failed</source>
        <translation>Error al exportar</translation>
    </message>
    <message>
        <source>The table could not be written to %1: %2</source>
        <translation>No se pudo escribir la tabla en %1: %2</translation>
    </message>
    <message>
        <source>Filter</source>
        <translation>Filtro</translation>
    </message>
    <message>
        <source>Objects</source>
        <translation>Objetos</translation>
    </message>
</context>
<context>
    <name>varnick::ObjectTabs</name>
    <message>
        <source>Objects</source>
        <translation>Objetos</translation>
    </message>
    <message>
        <source>Thumbnail&amp;s</source>
        <translation>&amp;Miniaturas</translation>
    </message>
    <message>
        <source>Ta&amp;ble</source>
        <translation>&amp;Tabla</translation>
    </message>
</context>
<context>
    <name>varnick::OptionsDialog</name>
    <message>
        <source>&amp;Keep saved resources compressed</source>
        <translation>&amp;Mantener comprimidos los recursos guardados</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Opciones</translation>
    </message>
    <message>
        <source>How many earlier versions of each saved file are kept, the original included.</source>
        <translation>Cuántas versiones anteriores de cada archivo guardado se conservan, incluido el original.</translation>
    </message>
    <message>
        <source>For ever</source>
        <translation>Para siempre</translation>
    </message>
    <message>
        <source> days</source>
        <translation> días</translation>
    </message>
    <message>
        <source>How long a backup is kept; 0 keeps them for ever.</source>
        <translation>Cuánto tiempo se conserva una copia; 0 las conserva para siempre.</translation>
    </message>
    <message>
        <source>Saved objects store their changed resources compressed where they were compressed before.</source>
        <translation>Los objetos guardados almacenan comprimidos los recursos modificados que antes estaban comprimidos.</translation>
    </message>
    <message>
        <source>Backup &amp;Generations:</source>
        <translation>&amp;Generaciones de copias:</translation>
    </message>
    <message>
        <source>Backup &amp;Days:</source>
        <translation>&amp;Días de conservación:</translation>
    </message>
</context>
<context>
    <name>varnick::RecolorStatusBar</name>
    <message>
        <source>Search progress</source>
        <translation>Progreso de la búsqueda</translation>
    </message>
    <message>
        <source>%1 of %2 files searched</source>
        <translation>%1 de %2 archivos buscados</translation>
    </message>
</context>
<context>
    <name>varnick::Sims2PackInstallAction</name>
    <message>
        <source>Install Sims2&amp;Pack...</source>
        <translation>I&amp;nstalar Sims2Pack...</translation>
    </message>
    <message>
        <source>Install the objects of Sims2Pack files into Downloads, where the game reads them</source>
        <translation>Instalar los objetos de archivos Sims2Pack en Downloads, donde el juego los lee</translation>
    </message>
</context>
<context>
    <name>varnick::Sims2PackInstallDialog</name>
    <message>
        <source>... and %1 more</source>
        <translation>... y %1 más</translation>
    </message>
    <message>
        <source>Install Sims2Pack</source>
        <translation>Instalar Sims2Pack</translation>
    </message>
    <message>
        <source>Sims2Pack files (*.sims2pack *.Sims2Pack *.SIMS2PACK);;All files (*)</source>
        <translation>Archivos Sims2Pack (*.sims2pack *.Sims2Pack *.SIMS2PACK);;Todos los archivos (*)</translation>
    </message>
    <message>
        <source>C&amp;hoose Folder...</source>
        <translation>&amp;Elegir carpeta...</translation>
    </message>
    <message>
        <source>Install every object into one folder of your choice instead</source>
        <translation>Instalar en su lugar todos los objetos en una carpeta que elijas</translation>
    </message>
    <message>
        <source>Where a name is taken, install under a &amp;numbered name</source>
        <translation>Si un nombre ya está ocupado, instalar con un nombre &amp;numerado</translation>
    </message>
    <message>
        <source>A file of the same name but different contents is kept; the object is written beside it as &quot;name (2).package&quot;</source>
        <translation>Se conserva el archivo con el mismo nombre pero distinto contenido; el objeto se escribe a su lado como «nombre (2).package»</translation>
    </message>
    <message>
        <source>&amp;Install</source>
        <translation>&amp;Instalar</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Reading was cancelled: nothing can be installed.</source>
        <translation>Se ha cancelado la lectura: no se puede instalar nada.</translation>
    </message>
    <message>
        <source>Checking your downloads for GUID clashes...</source>
        <translation>Buscando conflictos de GUID en tus descargas...</translation>
    </message>
    <message>
        <source>Checking the files again...</source>
        <translation>Comprobando de nuevo los archivos...</translation>
    </message>
    <message>
        <source>Install the objects into:</source>
        <translation>Instalar los objetos en:</translation>
    </message>
    <message>
        <source>Names Taken</source>
        <translation>Nombres ocupados</translation>
    </message>
    <message>
        <source>%1

Install these objects under numbered names, such as &quot;name (2).package&quot;? Skipping installs the other Sims2Pack files only.</source>
        <translation>%1

¿Instalar estos objetos con nombres numerados, como «nombre (2).package»? Si los omites, solo se instalan los demás archivos Sims2Pack.</translation>
    </message>
    <message>
        <source>Install &amp;Renamed</source>
        <translation>Instalar &amp;renombrados</translation>
    </message>
    <message>
        <source>&amp;Skip Those Files</source>
        <translation>&amp;Omitir esos archivos</translation>
    </message>
    <message>
        <source>Installing...</source>
        <translation>Instalando...</translation>
    </message>
    <message>
        <source>Nothing new was installed.</source>
        <translation>No se ha instalado nada nuevo.</translation>
    </message>
    <message>
        <source>Refused, nothing of them written:
%1</source>
        <translation>Rechazados, no se ha escrito nada de ellos:
%1</translation>
    </message>
    <message>
        <source>Stopped: the files after the last one installed were left as they were.</source>
        <translation>Detenido: los archivos posteriores al último instalado se han dejado como estaban.</translation>
    </message>
    <message>
        <source>Show in &amp;Folder</source>
        <translation>Mostrar en &amp;carpeta</translation>
    </message>
    <message>
        <source>No file manager could be started. The objects are in:
%1</source>
        <translation>No se ha podido abrir ningún gestor de archivos. Los objetos están en:
%1</translation>
    </message>
    <message>
        <source>Stopping after the file being installed...</source>
        <translation>Deteniendo tras el archivo que se está instalando...</translation>
    </message>
    <message>
        <source>Objects go into Downloads, each Sims2Pack file&apos;s into a folder named after it.</source>
        <translation>Los objetos van a Downloads; los de cada archivo Sims2Pack, a una carpeta con su nombre.</translation>
    </message>
    <message>
        <source>Objects go into %1</source>
        <translation>Los objetos van a %1</translation>
    </message>
    <message numerus="yes">
        <source>Reading %n Sims2Pack file(s)...</source>
        <translation>
            <numerusform>Leyendo %n archivo Sims2Pack...</numerusform>
            <numerusform>Leyendo %n archivos Sims2Pack...</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Installed %n object(s):
%1</source>
        <translation>
            <numerusform>Se ha instalado %n objeto:
%1</numerusform>
            <numerusform>Se han instalado %n objetos:
%1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n object(s) already installed: skipped.</source>
        <translation>
            <numerusform>%n objeto ya instalado: se ha omitido.</numerusform>
            <numerusform>%n objetos ya instalados: se han omitido.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n item(s) (lots, families or Sims) to install through the game.</source>
        <translation>
            <numerusform>%n elemento (solares, familias o Sims) para instalar a través del juego.</numerusform>
            <numerusform>%n elementos (solares, familias o Sims) para instalar a través del juego.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n object(s) to install</source>
        <translation>
            <numerusform>%n objeto para instalar</numerusform>
            <numerusform>%n objetos para instalar</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n object(s) installed already</source>
        <translation>
            <numerusform>%n objeto ya instalado</numerusform>
            <numerusform>%n objetos ya instalados</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n item(s) to install through the game</source>
        <translation>
            <numerusform>%n elemento para instalar a través del juego</numerusform>
            <numerusform>%n elementos para instalar a través del juego</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n GUID clash(es)</source>
        <translation>
            <numerusform>%n conflicto de GUID</numerusform>
            <numerusform>%n conflictos de GUID</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n name(s) taken</source>
        <translation>
            <numerusform>%n nombre ocupado</numerusform>
            <numerusform>%n nombres ocupados</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n file(s) that cannot be installed</source>
        <translation>
            <numerusform>%n archivo que no se puede instalar</numerusform>
            <numerusform>%n archivos que no se pueden instalar</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>varnick::Sims2PackInstallList</name>
    <message>
        <source>Objects in the files</source>
        <translation>Objetos de los archivos</translation>
    </message>
    <message>
        <source>Object</source>
        <translation>Objeto</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Tipo</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Tamaño</translation>
    </message>
    <message>
        <source>Installs As</source>
        <translation>Se instala como</translation>
    </message>
    <message>
        <source>Warnings</source>
        <translation>Avisos</translation>
    </message>
    <message numerus="yes">
        <source>%1: %n item(s) into %2</source>
        <translation>
            <numerusform>%1: %n elemento en %2</numerusform>
            <numerusform>%1: %n elementos en %2</numerusform>
        </translation>
    </message>
    <message>
        <source>%1
Global GUID %2</source>
        <translation>%1
GUID global %2</translation>
    </message>
    <message>
        <source>%1 bytes; %2 bytes compressed in the Sims2Pack</source>
        <translation>%1 bytes; %2 bytes comprimidos en el Sims2Pack</translation>
    </message>
    <message>
        <source>%1 bytes</source>
        <translation>%1 bytes</translation>
    </message>
    <message>
        <source>Install through the game</source>
        <translation>Instalar a través del juego</translation>
    </message>
    <message>
        <source>Its name is taken: installs under a numbered name</source>
        <translation>Su nombre está ocupado: se instala con un nombre numerado</translation>
    </message>
    <message>
        <source>Its name is taken by a different file</source>
        <translation>Su nombre lo ocupa otro archivo distinto</translation>
    </message>
    <message>
        <source>Its name is taken: installs as &quot;%1&quot;</source>
        <translation>Su nombre está ocupado: se instala como «%1»</translation>
    </message>
    <message>
        <source>Already installed</source>
        <translation>Ya instalado</translation>
    </message>
    <message>
        <source>The game</source>
        <translation>El juego</translation>
    </message>
    <message>
        <source>Lots, families and Sims are installed by the game&apos;s own installer, not copied into Downloads</source>
        <translation>Los solares, las familias y los Sims los instala el propio instalador del juego; no se copian en Downloads</translation>
    </message>
    <message numerus="yes">
        <source>%1 and %n other package(s)</source>
        <translation>
            <numerusform>%1 y %n paquete más</numerusform>
            <numerusform>%1 y %n paquetes más</numerusform>
        </translation>
    </message>
    <message>
        <source>GUID %1 is already defined by %2</source>
        <translation>El GUID %1 ya lo define %2</translation>
    </message>
    <message>
        <source>The game may show only one of two objects that share a GUID.
%1</source>
        <translation>Puede que el juego muestre solo uno de dos objetos que comparten GUID.
%1</translation>
    </message>
    <message>
        <source>Downloads</source>
        <translation>Downloads</translation>
    </message>
</context>
<context>
    <name>varnick::SkippedFilesDialog</name>
    <message>
        <source>Files That Could Not Be Read</source>
        <translation>Archivos que no se pudieron leer</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Archivo</translation>
    </message>
    <message>
        <source>Reason</source>
        <translation>Motivo</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
    <message>
        <source>Files that could not be read</source>
        <translation>Archivos que no se pudieron leer</translation>
    </message>
</context>
<context>
    <name>varnick::ThumbnailGrid</name>
    <message>
        <source>Page %1, position %2</source>
        <translation>Página %1, posición %2</translation>
    </message>
    <message>
        <source>; marked</source>
        <translation>; marcado</translation>
    </message>
    <message>
        <source>; picture made from its texture</source>
        <translation>; imagen hecha a partir de su textura</translation>
    </message>
    <message>
        <source>Objects</source>
        <translation>Objetos</translation>
    </message>
</context>
<context>
    <name>varnick::ThumbnailPane</name>
    <message>
        <source>Objects in the Selected Folde&amp;r</source>
        <translation>Ob&amp;jetos de la carpeta seleccionada</translation>
    </message>
    <message>
        <source>F&amp;irst</source>
        <translation>&amp;Primera</translation>
    </message>
    <message>
        <source>Pre&amp;vious</source>
        <translation>A&amp;nterior</translation>
    </message>
    <message>
        <source>&amp;Next</source>
        <translation>Si&amp;guiente</translation>
    </message>
    <message>
        <source>&amp;Last</source>
        <translation>Ú&amp;ltima</translation>
    </message>
    <message>
        <source>&amp;Edit Object</source>
        <translation>&amp;Editar objeto</translation>
    </message>
    <message>
        <source>&amp;Delete/Move</source>
        <translation>&amp;Borrar/Mover</translation>
    </message>
    <message>
        <source>Choose a folder on the left to see its objects.</source>
        <translation>Elige una carpeta a la izquierda para ver sus objetos.</translation>
    </message>
    <message>
        <source>This folder holds no objects.</source>
        <translation>Esta carpeta no contiene objetos.</translation>
    </message>
    <message>
        <source>Picture made from the object&apos;s texture</source>
        <translation>Imagen creada a partir de la textura del objeto</translation>
    </message>
    <message>
        <source>Nothing marked</source>
        <translation>Nada marcado</translation>
    </message>
    <message numerus="yes">
        <source>%n object(s) marked</source>
        <translation>
            <numerusform>%n objeto marcado</numerusform>
            <numerusform>%n objetos marcados</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n file(s) could not be read</source>
        <translation>
            <numerusform>No se pudo leer %n archivo</numerusform>
            <numerusform>No se pudieron leer %n archivos</numerusform>
        </translation>
    </message>
    <message>
        <source>Page</source>
        <translation>Página</translation>
    </message>
</context>
<context>
    <name>varnick::WorkStatus</name>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Cancelar</translation>
    </message>
    <message>
        <source>Looking for objects in the folder...</source>
        <translation>Buscando objetos en la carpeta...</translation>
    </message>
    <message>
        <source>Drawing the page...</source>
        <translation>Dibujando la página...</translation>
    </message>
</context>
<context>
    <name>varnick::frmBatchEdit</name>
    <message>
        <source>Loading objects...</source>
        <translation>Cargando objetos...</translation>
    </message>
    <message>
        <source>User Input Error</source>
        <translation>Error de entrada</translation>
    </message>
    <message>
        <source>None of the selected packages holds an object that can be edited.</source>
        <translation>Ninguno de los paquetes seleccionados contiene un objeto que se pueda editar.</translation>
    </message>
    <message>
        <source>Varnick - Edit Selected Objects</source>
        <translation>Varnick - Editar los objetos seleccionados</translation>
    </message>
    <message>
        <source>&amp;Name</source>
        <translation>&amp;Nombre</translation>
    </message>
    <message>
        <source>&amp;Description</source>
        <translation>&amp;Descripción</translation>
    </message>
    <message>
        <source>Depreciation</source>
        <translation>Depreciación</translation>
    </message>
    <message>
        <source>Motives</source>
        <translation>Necesidades</translation>
    </message>
    <message>
        <source>&amp;Price</source>
        <translation>&amp;Precio</translation>
    </message>
    <message>
        <source>Niceness M&amp;ultiplier:</source>
        <translation>Multiplicador de &amp;belleza:</translation>
    </message>
    <message>
        <source>&amp;Initial</source>
        <translation>&amp;Inicial</translation>
    </message>
    <message>
        <source>&amp;Hunger</source>
        <translation>Ha&amp;mbre</translation>
    </message>
    <message>
        <source>Ca&amp;tegories</source>
        <translation>Ca&amp;tegorías</translation>
    </message>
    <message>
        <source>Sub-Categories</source>
        <translation>Subcategorías</translation>
    </message>
    <message>
        <source>Build T&amp;ype</source>
        <translation>Tipo de constr&amp;ucción</translation>
    </message>
    <message>
        <source>Build Sub-Type</source>
        <translation>Subtipo de construcción</translation>
    </message>
    <message>
        <source>Ro&amp;om</source>
        <translation>&amp;Habitación</translation>
    </message>
    <message>
        <source>Co&amp;mmunity</source>
        <translation>C&amp;omunidad</translation>
    </message>
    <message>
        <source>Skill &amp;Flags</source>
        <translation>Habilidade&amp;s</translation>
    </message>
    <message>
        <source>Function</source>
        <translation>Función</translation>
    </message>
    <message>
        <source>Build Mode</source>
        <translation>Modo Construir</translation>
    </message>
    <message>
        <source>&amp;Wants Satisfy Category</source>
        <translation>&amp;Categoría de deseo</translation>
    </message>
    <message>
        <source>&amp;Save Objects</source>
        <translation>&amp;Guardar objetos</translation>
    </message>
    <message>
        <source>&amp;Cancel Editing</source>
        <translation>Cancelar la &amp;edición</translation>
    </message>
    <message numerus="yes">
        <source>%n object(s) selected; blank boxes and unselected lists are mixed and keep each object&apos;s own value until changed.</source>
        <translation>
            <numerusform>%n objeto seleccionado; las casillas vacías y las listas sin selección son mixtas y conservan el valor de cada objeto hasta que se cambien.</numerusform>
            <numerusform>%n objetos seleccionados; las casillas vacías y las listas sin selección son mixtas y conservan el valor de cada objeto hasta que se cambien.</numerusform>
        </translation>
    </message>
    <message>
        <source>(mixed)</source>
        <translation>(mixto)</translation>
    </message>
    <message>
        <source>The objects differ in their category; choose one to set the sub-category.</source>
        <translation>Los objetos tienen categorías distintas; elige una para fijar la subcategoría.</translation>
    </message>
    <message>
        <source>The objects differ in their build type; choose one to set the sub-type.</source>
        <translation>Los objetos tienen tipos de construcción distintos; elige uno para fijar el subtipo.</translation>
    </message>
    <message>
        <source>Nothing to Save</source>
        <translation>Nada que guardar</translation>
    </message>
    <message>
        <source>Nothing was changed; no package was written.</source>
        <translation>No se ha cambiado nada; no se ha escrito ningún paquete.</translation>
    </message>
    <message>
        <source>Confirm Save</source>
        <translation>Confirmar guardado</translation>
    </message>
    <message>
        <source>Saving objects...</source>
        <translation>Guardando objetos...</translation>
    </message>
    <message>
        <source>Save Cancelled</source>
        <translation>Guardado cancelado</translation>
    </message>
    <message>
        <source>Save Summary</source>
        <translation>Resumen del guardado</translation>
    </message>
    <message>
        <source>Save Successful</source>
        <translation>Guardado correctamente</translation>
    </message>
</context>
<context>
    <name>varnick::frmDeleteMove</name>
    <message>
        <source>Are you absolutely sure that you want to do this?</source>
        <translation>¿Estás completamente seguro de que quieres hacer esto?</translation>
    </message>
    <message>
        <source>*** no recolors found ***</source>
        <translation>*** no se han encontrado recolores ***</translation>
    </message>
    <message>
        <source>Delete/Move The Selected Object File</source>
        <translation>Borrar/Mover el archivo del objeto seleccionado</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Ver</translation>
    </message>
    <message>
        <source>View Selected</source>
        <translation>Ver la selección</translation>
    </message>
    <message>
        <source>De&amp;tails</source>
        <translation>De&amp;talles</translation>
    </message>
    <message>
        <source>Selected Package Details</source>
        <translation>Detalles del paquete seleccionado</translation>
    </message>
    <message>
        <source>Select &amp;All</source>
        <translation>&amp;Seleccionar todo</translation>
    </message>
    <message>
        <source>Select All Recolors</source>
        <translation>Seleccionar todos los recolores</translation>
    </message>
    <message>
        <source>&amp;Unselect All</source>
        <translation>&amp;Quitar selección</translation>
    </message>
    <message>
        <source>Unselect All Recolors</source>
        <translation>Quitar la selección de todos los recolores</translation>
    </message>
    <message>
        <source>&amp;Delete Object And All Recolors</source>
        <translation>&amp;Borrar objeto y todos los recolores</translation>
    </message>
    <message>
        <source>Delete &amp;Selected Recolors</source>
        <translation>Borrar &amp;recolores seleccionados</translation>
    </message>
    <message>
        <source>&amp;Move Object And All Recolors</source>
        <translation>&amp;Mover objeto y todos los recolores</translation>
    </message>
    <message>
        <source>E&amp;xit This Window</source>
        <translation>Sa&amp;lir de esta ventana</translation>
    </message>
    <message>
        <source>Selected Object Filename</source>
        <translation>Nombre de archivo del objeto seleccionado</translation>
    </message>
    <message>
        <source>Recolors of the Selected Object</source>
        <translation>Recolores del objeto seleccionado</translation>
    </message>
    <message numerus="yes">
        <source>%n file(s) could not be read and were not searched for recolors.</source>
        <translation>
            <numerusform>No se pudo leer %n archivo y no se buscaron recolores en él.</numerusform>
            <numerusform>No se pudieron leer %n archivos y no se buscaron recolores en ellos.</numerusform>
        </translation>
    </message>
    <message>
        <source>OPERATION SUCCESSFUL</source>
        <translation>OPERACIÓN REALIZADA</translation>
    </message>
    <message>
        <source>OPERATION INCOMPLETE</source>
        <translation>OPERACIÓN INCOMPLETA</translation>
    </message>
    <message>
        <source>These files could not be deleted and were left as they were:<byte value="xd"/>
</source>
        <translation>Estos archivos no se pudieron borrar y se han dejado como estaban:<byte value="xd"/>
</translation>
    </message>
    <message>
        <source>You are about to PERMANENTLY DESTROY the object and all of it&apos;s recolors.</source>
        <translation>Estás a punto de DESTRUIR PARA SIEMPRE el objeto y todos sus recolores.</translation>
    </message>
    <message>
        <source>You are about to move the object to the trash.</source>
        <translation>Estás a punto de mover el objeto a la papelera.</translation>
    </message>
    <message numerus="yes">
        <source>You are about to move the object and its %n recolor(s) to the trash.</source>
        <translation>
            <numerusform>Estás a punto de mover el objeto y su %n recolor a la papelera.</numerusform>
            <numerusform>Estás a punto de mover el objeto y sus %n recolores a la papelera.</numerusform>
        </translation>
    </message>
    <message>
        <source>CONFIRM DELETE</source>
        <translation>CONFIRMAR BORRADO</translation>
    </message>
    <message>
        <source>The object has been deleted.</source>
        <translation>Se ha borrado el objeto.</translation>
    </message>
    <message>
        <source>You are about to PERMANENTLY DESTROY the selected recolors for this object.</source>
        <translation>Estás a punto de DESTRUIR PARA SIEMPRE los recolores seleccionados de este objeto.</translation>
    </message>
    <message numerus="yes">
        <source>You are about to move %n selected recolor(s) of this object to the trash.</source>
        <translation>
            <numerusform>Estás a punto de mover %n recolor seleccionado de este objeto a la papelera.</numerusform>
            <numerusform>Estás a punto de mover %n recolores seleccionados de este objeto a la papelera.</numerusform>
        </translation>
    </message>
    <message>
        <source>The selected recolors have been deleted.</source>
        <translation>Se han borrado los recolores seleccionados.</translation>
    </message>
    <message>
        <source>USER INPUT ERROR</source>
        <translation>ERROR DE ENTRADA</translation>
    </message>
    <message>
        <source>Source and destination are the same!</source>
        <translation>¡El origen y el destino son el mismo!</translation>
    </message>
    <message>
        <source>Nothing was moved: the destination is not a folder:<byte value="xd"/>
</source>
        <translation>No se ha movido nada: el destino no es una carpeta:<byte value="xd"/>
</translation>
    </message>
    <message>
        <source>Nothing was moved: these files are already in the destination folder or share a name with another file being moved:<byte value="xd"/>
</source>
        <translation>No se ha movido nada: estos archivos ya están en la carpeta de destino o comparten nombre con otro archivo que se mueve:<byte value="xd"/>
</translation>
    </message>
    <message>
        <source>The move stopped: %1<byte value="xd"/>
The files before it were moved; the others were left where they were.</source>
        <translation>El movimiento se ha detenido: %1<byte value="xd"/>
Los archivos anteriores se han movido; los demás se han dejado donde estaban.</translation>
    </message>
    <message>
        <source>%1 files were moved to:<byte value="xd"/>
%2</source>
        <translation>Se han movido %1 archivos a:<byte value="xd"/>
%2</translation>
    </message>
</context>
<context>
    <name>varnick::frmEditObject</name>
    <message>
        <source>No Image</source>
        <translation>Sin imagen</translation>
    </message>
    <message>
        <source>C&amp;lear All Flags</source>
        <translation>&amp;Quitar todas las marcas</translation>
    </message>
    <message>
        <source>&amp;Restore Original</source>
        <translation>&amp;Restaurar original</translation>
    </message>
    <message>
        <source>&amp;Save Object</source>
        <translation>&amp;Guardar objeto</translation>
    </message>
    <message>
        <source>&amp;Cancel Editing</source>
        <translation>Cancelar la &amp;edición</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Ayuda</translation>
    </message>
    <message>
        <source>&amp;Name</source>
        <translation>&amp;Nombre</translation>
    </message>
    <message>
        <source>&amp;Description</source>
        <translation>&amp;Descripción</translation>
    </message>
    <message>
        <source>&amp;Price</source>
        <translation>&amp;Precio</translation>
    </message>
    <message>
        <source>Catalog Image</source>
        <translation>Imagen del catálogo</translation>
    </message>
    <message>
        <source>Function</source>
        <translation>Función</translation>
    </message>
    <message>
        <source>Ca&amp;tegories</source>
        <translation>Ca&amp;tegorías</translation>
    </message>
    <message>
        <source>Sub-Categories</source>
        <translation>Subcategorías</translation>
    </message>
    <message>
        <source>Build Mode</source>
        <translation>Modo Construir</translation>
    </message>
    <message>
        <source>Build T&amp;ype</source>
        <translation>Tipo de constr&amp;ucción</translation>
    </message>
    <message>
        <source>Build Sub-Type</source>
        <translation>Subtipo de construcción</translation>
    </message>
    <message>
        <source>Ro&amp;om</source>
        <translation>&amp;Habitación</translation>
    </message>
    <message>
        <source>Co&amp;mmunity</source>
        <translation>C&amp;omunidad</translation>
    </message>
    <message>
        <source>Skill &amp;Flags</source>
        <translation>Habilidade&amp;s</translation>
    </message>
    <message>
        <source>Depreciation</source>
        <translation>Depreciación</translation>
    </message>
    <message>
        <source>&amp;Initial</source>
        <translation>&amp;Inicial</translation>
    </message>
    <message>
        <source>Daily</source>
        <translation>Diaria</translation>
    </message>
    <message>
        <source>Limit</source>
        <translation>Límite</translation>
    </message>
    <message>
        <source>Motives</source>
        <translation>Necesidades</translation>
    </message>
    <message>
        <source>&amp;Hunger</source>
        <translation>Ha&amp;mbre</translation>
    </message>
    <message>
        <source>&amp;Wants Satisfy Category</source>
        <translation>&amp;Categoría de deseo</translation>
    </message>
    <message>
        <source>Niceness M&amp;ultiplier:</source>
        <translation>Multiplicador de &amp;belleza:</translation>
    </message>
    <message>
        <source>&amp;Keep saved resources compressed</source>
        <translation>&amp;Mantener comprimidos los recursos guardados</translation>
    </message>
    <message>
        <source>Put back the version kept before the first save</source>
        <translation>Recuperar la versión guardada antes del primer guardado</translation>
    </message>
    <message>
        <source>The package file:<byte value="xd"/>
%1<byte value="xd"/>
<byte value="xd"/>
Has changed on disk since the editor opened it, so it was not saved.<byte value="xd"/>
Cancel editing and open the object again.</source>
        <translation>El archivo de paquete:<byte value="xd"/>
%1<byte value="xd"/>
<byte value="xd"/>
ha cambiado en el disco desde que el editor lo abrió, así que no se ha guardado.<byte value="xd"/>
Cancela la edición y vuelve a abrir el objeto.</translation>
    </message>
    <message>
        <source>Save Successful</source>
        <translation>Guardado correctamente</translation>
    </message>
    <message>
        <source>The package file:<byte value="xd"/>
%1<byte value="xd"/>
<byte value="xd"/>
Has been saved successfully.</source>
        <translation>El archivo de paquete:<byte value="xd"/>
%1<byte value="xd"/>
<byte value="xd"/>
se ha guardado correctamente.</translation>
    </message>
    <message>
        <source>Subcategories</source>
        <translation>Subcategorías</translation>
    </message>
    <message>
        <source>Build subtypes</source>
        <translation>Subtipos de construcción</translation>
    </message>
</context>
<context>
    <name>varnick::frmErrorDialog</name>
    <message>
        <source>Unrecoverable Error - Program Execution Halted</source>
        <translation>Error irrecuperable - Programa detenido</translation>
    </message>
    <message>
        <source>The program has encountered an unexpected error and has halted operation. The error encountered is listed in the text box below.</source>
        <translation>El programa ha encontrado un error inesperado y se ha detenido. El error aparece en el cuadro de texto de abajo.</translation>
    </message>
    <message>
        <source>Copy error message to the Windows clipboard.</source>
        <translation>Copiar el mensaje de error al portapapeles de Windows.</translation>
    </message>
    <message>
        <source>Close the error dialog and end the program.</source>
        <translation>Cerrar el cuadro de error y terminar el programa.</translation>
    </message>
    <message>
        <source>Open web page %1.</source>
        <translation>Abrir la página web %1.</translation>
    </message>
    <message>
        <source>Send mail to %1.</source>
        <translation>Enviar un correo a %1.</translation>
    </message>
    <message>
        <source>Error - Bad URL</source>
        <translation>Error - Dirección no válida</translation>
    </message>
    <message>
        <source>Support web page not found!</source>
        <translation>¡No se ha encontrado la página web de soporte!</translation>
    </message>
    <message>
        <source>Error - Browser Not Found</source>
        <translation>Error - Navegador no encontrado</translation>
    </message>
    <message>
        <source>Could not find the default web browser!</source>
        <translation>¡No se ha encontrado el navegador predeterminado!</translation>
    </message>
    <message>
        <source>Error details</source>
        <translation>Detalles del error</translation>
    </message>
</context>
<context>
    <name>varnick::frmFindRecolors</name>
    <message>
        <source>Searching For Recolors</source>
        <translation>Buscando recolores</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Cancelling...</source>
        <translation>Cancelando...</translation>
    </message>
</context>
<context>
    <name>varnick::frmGameInstallation</name>
    <message>
        <source>Game Installation</source>
        <translation>Instalación del juego</translation>
    </message>
    <message>
        <source>Choose Your Game</source>
        <translation>Elige tu juego</translation>
    </message>
    <message>
        <source>Varnick found The Sims 2 more than once on this computer. Choose the installation whose downloads you want to manage. You can change it later under File, Game Installation.</source>
        <translation>Varnick ha encontrado Los Sims 2 más de una vez en este ordenador. Elige la instalación cuyas descargas quieres gestionar. Puedes cambiarla más tarde en Archivo, Instalación del juego.</translation>
    </message>
    <message>
        <source>The installations of The Sims 2 found on this computer, the one Varnick chooses first at the top. Choose one, or add the game&apos;s data folder (the folder holding Downloads) by hand. Varnick uses your choice from its next start.</source>
        <translation>Las instalaciones de Los Sims 2 encontradas en este ordenador; arriba, la que Varnick elige primero. Elige una o añade a mano la carpeta de datos del juego (la que contiene Downloads). Varnick usará tu elección desde su próximo inicio.</translation>
    </message>
    <message>
        <source>Edition</source>
        <translation>Edición</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nombre</translation>
    </message>
    <message>
        <source>Data folder</source>
        <translation>Carpeta de datos</translation>
    </message>
    <message>
        <source>Install folder</source>
        <translation>Carpeta de instalación</translation>
    </message>
    <message>
        <source>&amp;Use This Installation</source>
        <translation>&amp;Usar esta instalación</translation>
    </message>
    <message>
        <source>&amp;Add Folder...</source>
        <translation>&amp;Añadir carpeta...</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>%1 (the game has not made it yet)</source>
        <translation>%1 (el juego aún no la ha creado)</translation>
    </message>
    <message>
        <source>In use now</source>
        <translation>En uso ahora</translation>
    </message>
    <message>
        <source>Not read:</source>
        <translation>No leídos:</translation>
    </message>
    <message>
        <source>The game was not found. Add its data folder by hand.</source>
        <translation>No se ha encontrado el juego. Añade a mano su carpeta de datos.</translation>
    </message>
    <message>
        <source>Choose the game&apos;s data folder (the folder holding Downloads):</source>
        <translation>Elige la carpeta de datos del juego (la que contiene Downloads):</translation>
    </message>
    <message>
        <source>USER INPUT ERROR</source>
        <translation>ERROR DE ENTRADA</translation>
    </message>
    <message>
        <source>This folder can not be used: it %1</source>
        <translation>No se puede usar esta carpeta: %1</translation>
    </message>
    <message>
        <source>Confirm Action</source>
        <translation>Confirmar acción</translation>
    </message>
    <message>
        <source>This folder holds no Downloads, Neighborhoods or Thumbnails folder, so it does not look like the game&apos;s data folder:<byte value="xd"/>
<byte value="xd"/>
%1<byte value="xd"/>
<byte value="xd"/>
Use it anyway?</source>
        <translation>Esta carpeta no contiene ninguna carpeta Downloads, Neighborhoods ni Thumbnails, así que no parece la carpeta de datos del juego:<byte value="xd"/>
<byte value="xd"/>
%1<byte value="xd"/>
<byte value="xd"/>
¿Usarla de todos modos?</translation>
    </message>
    <message>
        <source>Game &amp;Installation...</source>
        <translation>&amp;Instalación del juego...</translation>
    </message>
    <message>
        <source>Varnick will use this data folder from its next start:<byte value="xd"/>
<byte value="xd"/>
%1</source>
        <translation>Varnick usará esta carpeta de datos desde su próximo inicio:<byte value="xd"/>
<byte value="xd"/>
%1</translation>
    </message>
    <message>
        <source>Game installations found</source>
        <translation>Instalaciones del juego encontradas</translation>
    </message>
    <message>
        <source>Found by</source>
        <translation>Encontrada mediante</translation>
    </message>
</context>
<context>
    <name>varnick::frmKnownClashes</name>
    <message>
        <source>Known Clashes</source>
        <translation>Conflictos conocidos</translation>
    </message>
    <message>
        <source>These GUID clashes were marked as known and are left out of the review. Unmark one to see it listed again.</source>
        <translation>Estos conflictos de GUID se marcaron como conocidos y quedan fuera de la revisión. Desmarca uno para verlo de nuevo en la lista.</translation>
    </message>
    <message>
        <source>GUID</source>
        <translation>GUID</translation>
    </message>
    <message>
        <source>Packages</source>
        <translation>Paquetes</translation>
    </message>
    <message>
        <source>&amp;Unmark</source>
        <translation>&amp;Desmarcar</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Cerrar</translation>
    </message>
    <message>
        <source>(not found in the latest scan)</source>
        <translation>(no encontrado en el último análisis)</translation>
    </message>
    <message>
        <source>the game</source>
        <translation>el juego</translation>
    </message>
    <message>
        <source>Known clashes</source>
        <translation>Conflictos conocidos</translation>
    </message>
</context>
<context>
    <name>varnick::frmLibraryHealth</name>
    <message>
        <source>Library Health</source>
        <translation>Estado de la biblioteca</translation>
    </message>
    <message>
        <source>&amp;Scan Again</source>
        <translation>&amp;Volver a analizar</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Cancelar</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Archivo</translation>
    </message>
    <message>
        <source>Problem</source>
        <translation>Problema</translation>
    </message>
    <message>
        <source>Detail</source>
        <translation>Detalle</translation>
    </message>
    <message>
        <source>Show in &amp;Folder</source>
        <translation>&amp;Mostrar en carpeta</translation>
    </message>
    <message>
        <source>Move to &amp;Quarantine</source>
        <translation>Mover a c&amp;uarentena</translation>
    </message>
    <message>
        <source>&amp;Undo Move</source>
        <translation>&amp;Deshacer movimiento</translation>
    </message>
    <message>
        <source>&amp;Edit Object</source>
        <translation>&amp;Editar objeto</translation>
    </message>
    <message>
        <source>Mark Clash &amp;Known</source>
        <translation>Marcar conflicto como co&amp;nocido</translation>
    </message>
    <message>
        <source>K&amp;nown Clashes...</source>
        <translation>Conflictos conoc&amp;idos...</translation>
    </message>
    <message>
        <source>E&amp;xport CSV...</source>
        <translation>E&amp;xportar CSV...</translation>
    </message>
    <message>
        <source>C&amp;lose</source>
        <translation>Ce&amp;rrar</translation>
    </message>
    <message>
        <source>Scanning...</source>
        <translation>Analizando...</translation>
    </message>
    <message>
        <source>The scan was cancelled.</source>
        <translation>Se ha cancelado el análisis.</translation>
    </message>
    <message>
        <source>Cannot be read</source>
        <translation>No se puede leer</translation>
    </message>
    <message>
        <source>Orphan recolor</source>
        <translation>Recolor huérfano</translation>
    </message>
    <message>
        <source>objectGUID %1 matches no object</source>
        <translation>El objectGUID %1 no corresponde a ningún objeto</translation>
    </message>
    <message>
        <source>GUID clash</source>
        <translation>Conflicto de GUID</translation>
    </message>
    <message>
        <source>GUID %1 is defined by %2 packages and the game</source>
        <translation>El GUID %1 lo definen %2 paquetes y el juego</translation>
    </message>
    <message>
        <source>GUID %1 is defined by %2 packages</source>
        <translation>El GUID %1 lo definen %2 paquetes</translation>
    </message>
    <message>
        <source>Duplicate</source>
        <translation>Duplicado</translation>
    </message>
    <message>
        <source>%1 identical files of %2 bytes</source>
        <translation>%1 archivos idénticos de %2 bytes</translation>
    </message>
    <message>
        <source>%1 unreadable, %2, %3 in GUID clashes, %4 duplicated</source>
        <translation>%1 ilegibles, %2, %3 en conflictos de GUID, %4 duplicados</translation>
    </message>
    <message numerus="yes">
        <source>%n file(s)</source>
        <translation>
            <numerusform>%n archivo</numerusform>
            <numerusform>%n archivos</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n orphan recolor(s)</source>
        <translation>
            <numerusform>%n recolor huérfano</numerusform>
            <numerusform>%n recolores huérfanos</numerusform>
        </translation>
    </message>
    <message>
        <source>No file manager could be started. The files are in:
</source>
        <translation>No se ha podido abrir ningún gestor de archivos. Los archivos están en:
</translation>
    </message>
    <message>
        <source>Move to Quarantine</source>
        <translation>Mover a cuarentena</translation>
    </message>
    <message numerus="yes">
        <source>Move %n file(s) out of the game&apos;s reach, to:
%1

They keep their folders there and &quot;Undo Move&quot; brings them back.</source>
        <translation>
            <numerusform>Mover %n archivo fuera del alcance del juego, a:
%1

Allí conserva sus carpetas y «Deshacer movimiento» lo devuelve.</numerusform>
            <numerusform>Mover %n archivos fuera del alcance del juego, a:
%1

Allí conservan sus carpetas y «Deshacer movimiento» los devuelve.</numerusform>
        </translation>
    </message>
    <message>
        <source>These files could not be moved:
</source>
        <translation>Estos archivos no se han podido mover:
</translation>
    </message>
    <message numerus="yes">
        <source>Moved %n file(s) to:
%1</source>
        <translation>
            <numerusform>Se ha movido %n archivo a:
%1</numerusform>
            <numerusform>Se han movido %n archivos a:
%1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Marked %n clash(es) as known; &quot;Known Clashes...&quot; lists them and takes a mark back.</source>
        <translation>
            <numerusform>%n conflicto marcado como conocido; «Conflictos conocidos...» lo muestra y permite quitar la marca.</numerusform>
            <numerusform>%n conflictos marcados como conocidos; «Conflictos conocidos...» los muestra y permite quitar la marca.</numerusform>
        </translation>
    </message>
    <message>
        <source>Export CSV</source>
        <translation>Exportar CSV</translation>
    </message>
    <message>
        <source>CSV (*.csv)</source>
        <translation>CSV (*.csv)</translation>
    </message>
    <message>
        <source>&amp;Install...</source>
        <translation>In&amp;stalar...</translation>
    </message>
    <message>
        <source>Install the objects of the selected Sims2Pack files into Downloads</source>
        <translation>Instalar en Downloads los objetos de los archivos Sims2Pack seleccionados</translation>
    </message>
    <message>
        <source>Sims2Pack file</source>
        <translation>Archivo Sims2Pack</translation>
    </message>
    <message>
        <source>The game does not read Sims2Pack files; install them.</source>
        <translation>El juego no lee archivos Sims2Pack; instálalos.</translation>
    </message>
    <message numerus="yes">
        <source>, %n Sims2Pack file(s) to install</source>
        <translation>
            <numerusform>, %n archivo Sims2Pack para instalar</numerusform>
            <numerusform>, %n archivos Sims2Pack para instalar</numerusform>
        </translation>
    </message>
    <message>
        <source>Problems found</source>
        <translation>Problemas encontrados</translation>
    </message>
</context>
<context>
    <name>varnick::frmMain</name>
    <message>
        <source>Focus</source>
        <translation>Foco</translation>
    </message>
    <message>
        <source>Please select an alternate path:</source>
        <translation>Selecciona una ruta alternativa:</translation>
    </message>
    <message>
        <source>Confirm Action</source>
        <translation>Confirmar acción</translation>
    </message>
    <message>
        <source>Exit this program?</source>
        <translation>¿Salir de este programa?</translation>
    </message>
    <message>
        <source>Object Read Error.</source>
        <translation>Error al leer el objeto.</translation>
    </message>
    <message>
        <source>The GUID of object was not found.</source>
        <translation>No se ha encontrado el GUID del objeto.</translation>
    </message>
</context>
<context>
    <name>varnick::frmRecolorDetails</name>
    <message>
        <source>Selected Recolor Details</source>
        <translation>Detalles del recolor seleccionado</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
    <message>
        <source>File Path</source>
        <translation>Ruta del archivo</translation>
    </message>
    <message>
        <source>Recolor Name</source>
        <translation>Nombre del recolor</translation>
    </message>
    <message>
        <source>Model Name</source>
        <translation>Nombre del modelo</translation>
    </message>
    <message>
        <source>Subset Name</source>
        <translation>Nombre del subconjunto</translation>
    </message>
</context>
<context>
    <name>varnick::frmSelectPath</name>
    <message>
        <source>Enter the new folder name:</source>
        <translation>Escribe el nombre de la carpeta nueva:</translation>
    </message>
    <message>
        <source>Move Files - Select A Destination Folder</source>
        <translation>Mover archivos - Elegir una carpeta de destino</translation>
    </message>
    <message>
        <source>&amp;Selected Folder:</source>
        <translation>Carpeta &amp;seleccionada:</translation>
    </message>
    <message>
        <source>Type a folder&apos;s path and press Return to open it.</source>
        <translation>Escribe la ruta de una carpeta y pulsa Intro para abrirla.</translation>
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
        <source>Create a &amp;New Folder</source>
        <translation>Crear una carpeta &amp;nueva</translation>
    </message>
    <message>
        <source>Select a Folder</source>
        <translation>Elegir una carpeta</translation>
    </message>
    <message>
        <source>There is no folder %1.</source>
        <translation>No existe la carpeta %1.</translation>
    </message>
    <message>
        <source>Move Outside the Game&apos;s Folder?</source>
        <translation>¿Mover fuera de la carpeta del juego?</translation>
    </message>
    <message>
        <source>The objects will be moved to:
%1

This folder is outside the game&apos;s data folder, so the game will not load them from there. Move them there?</source>
        <translation>Los objetos se moverán a:
%1

Esta carpeta está fuera de la carpeta de datos del juego, así que el juego no los cargará desde allí. ¿Moverlos allí?</translation>
    </message>
    <message>
        <source>User Input Error</source>
        <translation>Error de entrada</translation>
    </message>
    <message>
        <source>Invalid folder name!</source>
        <translation>¡Nombre de carpeta no válido!</translation>
    </message>
    <message>
        <source>Folder already exists!</source>
        <translation>¡La carpeta ya existe!</translation>
    </message>
    <message>
        <source>Create a New Folder</source>
        <translation>Crear una carpeta nueva</translation>
    </message>
    <message>
        <source>Can not create the folder %1!</source>
        <translation>¡No se puede crear la carpeta %1!</translation>
    </message>
    <message>
        <source>Folders</source>
        <translation>Carpetas</translation>
    </message>
    <message>
        <source>Drive</source>
        <translation>Unidad</translation>
    </message>
</context>
<context>
    <name>varnick::frmTitle</name>
    <message>
        <source>Catalog manager for custom objects</source>
        <translation>Gestor de catálogo para objetos personalizados</translation>
    </message>
    <message>
        <source>Varnick is not made, endorsed or supported by the makers or publishers of The Sims 2, and is not affiliated with them in any way.

This program is provided as is, without warranties of any kind, express or implied, including but not limited to the warranties of merchantability and fitness for a particular purpose. You bear the whole risk of using it.

Varnick changes, moves and deletes files of your game&apos;s custom content. Keep a backup of your Downloads folder before you use it.</source>
        <translation>Varnick no ha sido creado, respaldado ni apoyado por los creadores o editores de Los Sims 2, y no está afiliado a ellos de ninguna manera.

Este programa se ofrece tal cual, sin garantías de ningún tipo, expresas o implícitas, incluidas, entre otras, las garantías de comerciabilidad y de idoneidad para un fin concreto. Todo el riesgo de su uso corre de tu cuenta.

Varnick cambia, mueve y borra archivos del contenido personalizado de tu juego. Haz una copia de seguridad de tu carpeta Downloads antes de usarlo.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Fatal Error</source>
        <translation>Error fatal</translation>
    </message>
    <message>
        <source>Choose Data Folder...</source>
        <translation>Elegir carpeta de datos...</translation>
    </message>
    <message>
        <source>End Program</source>
        <translation>Terminar el programa</translation>
    </message>
</context>
<context>
    <name>varnick::frmViewRecolor</name>
    <message>
        <source>Texture Preview Not Available</source>
        <translation>Vista previa de la textura no disponible</translation>
    </message>
    <message>
        <source>(Unknown Picture Format Code)</source>
        <translation>(Código de formato de imagen desconocido)</translation>
    </message>
    <message>
        <source>Selected File Preview</source>
        <translation>Vista previa del archivo seleccionado</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Salir</translation>
    </message>
    <message>
        <source>Selected File Preview - %1 (%2 x %3)</source>
        <translation>Vista previa del archivo seleccionado - %1 (%2 x %3)</translation>
    </message>
    <message>
        <source>Selected File Preview - %1</source>
        <translation>Vista previa del archivo seleccionado - %1</translation>
    </message>
</context>
</TS>
