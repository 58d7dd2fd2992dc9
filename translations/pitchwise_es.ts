<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es" sourcelanguage="en">
<context>
    <name>CommandLineText</name>
    <message>
        <source>unknown argument &quot;%1&quot;; the words the program takes are TEST and DEBUG</source>
        <translation>argumento desconocido &quot;%1&quot;; las palabras que admite el programa son TEST y DEBUG</translation>
    </message>
    <message>
        <source>--%1 and --%2 cannot be run together; run one at a time</source>
        <translation>--%1 y --%2 no se pueden usar a la vez; úsalos de uno en uno</translation>
    </message>
    <message>
        <source>--%1 needs %2</source>
        <translation>--%1 necesita %2</translation>
    </message>
    <message>
        <source>Show this help and end.</source>
        <translation>Muestra esta ayuda y termina.</translation>
    </message>
    <message>
        <source>Show the program&apos;s version and end.</source>
        <translation>Muestra la versión del programa y termina.</translation>
    </message>
    <message>
        <source>Open this database (a database file or a postgresql:// address) for this run only; the settings keep the usual one.</source>
        <translation>Abre esta base de datos (un archivo de base de datos o una dirección postgresql://) solo para esta sesión; la configuración conserva la habitual.</translation>
    </message>
    <message>
        <source>Write the team&apos;s games and practices to an iCalendar file, without a window, and end.</source>
        <translation>Escribe los partidos y entrenamientos del equipo en un archivo iCalendar, sin ventana, y termina.</translation>
    </message>
    <message>
        <source>--database needs a database file or a postgresql:// address</source>
        <translation>--database necesita un archivo de base de datos o una dirección postgresql://</translation>
    </message>
    <message>
        <source>--database %1: %2</source>
        <translation>--database %1: %2</translation>
    </message>
    <message>
        <source>Usage: pitchwise [OPTION…] [TEST] [DEBUG]</source>
        <translation>Uso: pitchwise [OPCIÓN…] [TEST] [DEBUG]</translation>
    </message>
    <message>
        <source>Keeps a youth soccer team&apos;s season: players, games, line-ups, practices.</source>
        <translation>Lleva la temporada de un equipo de fútbol base: jugadores, partidos, alineaciones, entrenamientos.</translation>
    </message>
    <message>
        <source>Options:</source>
        <translation>Opciones:</translation>
    </message>
    <message>
        <source>Words:</source>
        <translation>Palabras:</translation>
    </message>
    <message>
        <source>Let errors stop the program with their trace instead of being caught.</source>
        <translation>Deja que los errores detengan el programa con su traza en lugar de capturarlos.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a team number</source>
        <translation>&quot;%1&quot; no es un número de equipo</translation>
    </message>
    <message>
        <source>no database is set up; name one with --database FILE|URL</source>
        <translation>no hay ninguna base de datos configurada; indica una con --database ARCHIVO|URL</translation>
    </message>
    <message>
        <source>Open the test database beside the usual one (Pitchwise_Test.db beside Pitchwise.db, made when missing); the settings are not changed.</source>
        <translation>Abre la base de datos de prueba junto a la habitual (Pitchwise_Test.db junto a Pitchwise.db, que se crea si falta); la configuración no cambia.</translation>
    </message>
    <message>
        <source>nothing was imported:
%1</source>
        <translation>no se ha importado nada:
%1</translation>
    </message>
    <message>
        <source>Write the team&apos;s players with their families&apos; details to a CSV file, without a window, and end.</source>
        <translation>Escribe los jugadores del equipo con los datos de sus familias en un archivo CSV, sin ventana, y termina.</translation>
    </message>
    <message>
        <source>Read players from a CSV file into the team, all or nothing: any row in error stores nothing and every error is listed.</source>
        <translation>Lee jugadores de un archivo CSV al equipo, todo o nada: si alguna fila tiene un error no se guarda nada y se listan todos los errores.</translation>
    </message>
    <message>
        <source>Write a complete copy of the database file (never half a file), without a window, and end.</source>
        <translation>Escribe una copia completa del archivo de base de datos (nunca medio archivo), sin ventana, y termina.</translation>
    </message>
</context>
<context>
    <name>Common</name>
    <message>
        <source>Browser Not Found</source>
        <translation>Navegador no encontrado</translation>
    </message>
    <message>
        <source>Could not find associated Browser</source>
        <translation>No se encontró el navegador asociado</translation>
    </message>
    <message>
        <source>Neither %1 nor %2 is a folder that only you can use.</source>
        <translation>Ni %1 ni %2 es una carpeta que solo puedas usar tú.</translation>
    </message>
    <message>
        <source>Error No. %1 has occurred in %2
at line number: %3
with the following parameters:%4

The error has the following meaning:
%5</source>
        <translation>Se ha producido el error n.º %1 en %2
en la línea: %3
con los siguientes parámetros:%4

El error significa lo siguiente:
%5</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Error</translation>
    </message>
</context>
<context>
    <name>Dirty</name>
    <message>
        <source>%1 (Dirty)</source>
        <comment>a window title or button caption with unsaved changes</comment>
        <translation>%1 (sin guardar)</translation>
    </message>
</context>
<context>
    <name>FieldEntry</name>
    <message>
        <source>&quot;%1&quot; is not a time. Type one such as %2.</source>
        <translation>&quot;%1&quot; no es una hora. Escribe una como %2.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a date. Type one such as %2.</source>
        <translation>&quot;%1&quot; no es una fecha. Escribe una como %2.</translation>
    </message>
</context>
<context>
    <name>Games</name>
    <message>
        <source>Too many season captains to keep. Choose fewer captains.</source>
        <translation>Demasiados capitanes de temporada. Elige menos capitanes.</translation>
    </message>
    <message>
        <source>Statistics are kept for a player of a team in one game.</source>
        <translation>Las estadísticas se guardan por jugador de un equipo en un partido.</translation>
    </message>
    <message>
        <source>Check the values. All values must be numeric</source>
        <translation>Revisa los valores. Todos los valores deben ser numéricos</translation>
    </message>
    <message>
        <source>Tournament</source>
        <translation>Torneo</translation>
    </message>
    <message>
        <source>Game %1 is no longer in the schedule, so its line-up cannot be saved.</source>
        <translation>El partido %1 ya no está en el calendario, así que no se puede guardar su alineación.</translation>
    </message>
    <message>
        <source>in goal</source>
        <translation>en la portería</translation>
    </message>
    <message>
        <source>left</source>
        <translation>izquierda</translation>
    </message>
    <message>
        <source>centre</source>
        <translation>centro</translation>
    </message>
    <message>
        <source>right</source>
        <translation>derecha</translation>
    </message>
    <message>
        <source>defence</source>
        <translation>defensa</translation>
    </message>
    <message>
        <source>midfield</source>
        <translation>medio campo</translation>
    </message>
    <message>
        <source>attack</source>
        <translation>ataque</translation>
    </message>
    <message>
        <source>Record: %1 - %2 - %3</source>
        <translation>Balance: %1 - %2 - %3</translation>
    </message>
    <message>
        <source>Point Total:%1</source>
        <translation>Total de puntos: %1</translation>
    </message>
    <message>
        <source>Nobody is available for this game.</source>
        <translation>No hay nadie disponible para este partido.</translation>
    </message>
    <message>
        <source>%1 %2 periods, lowest share %3 → %4</source>
        <translation>%1 %2 periodos, reparto mínimo %3 → %4</translation>
    </message>
    <message>
        <source>only %1 available in period %2</source>
        <translation>solo %1 disponibles en el periodo %2</translation>
    </message>
    <message>
        <source>not everyone can play the minimum periods</source>
        <translation>no todos pueden jugar el mínimo de periodos</translation>
    </message>
    <message>
        <source>the best line-up found in the time allowed</source>
        <translation>la mejor alineación encontrada en el tiempo disponible</translation>
    </message>
</context>
<context>
    <name>Help</name>
    <message>
        <source>Welcome to Pitchwise</source>
        <translation>Bienvenido a Pitchwise</translation>
    </message>
    <message>
        <source>Starting Pitchwise for the first time</source>
        <translation>Primer arranque de Pitchwise</translation>
    </message>
    <message>
        <source>The main window</source>
        <translation>La ventana principal</translation>
    </message>
    <message>
        <source>The team tree</source>
        <translation>El árbol de equipos</translation>
    </message>
    <message>
        <source>Roster and statistics grids</source>
        <translation>Tablas de plantilla y estadísticas</translation>
    </message>
    <message>
        <source>Status bar, record and points</source>
        <translation>Barra de estado, balance y puntos</translation>
    </message>
    <message>
        <source>Toolbar and menus</source>
        <translation>Barra de herramientas y menús</translation>
    </message>
    <message>
        <source>Teams, players and opponents</source>
        <translation>Equipos, jugadores y rivales</translation>
    </message>
    <message>
        <source>Team Information and the New Team Wizard</source>
        <translation>Información del equipo y el asistente de nuevo equipo</translation>
    </message>
    <message>
        <source>Player Information and the roster</source>
        <translation>Información del jugador y la plantilla</translation>
    </message>
    <message>
        <source>Opponents</source>
        <translation>Rivales</translation>
    </message>
    <message>
        <source>Games and statistics</source>
        <translation>Partidos y estadísticas</translation>
    </message>
    <message>
        <source>Line-ups, playing time and captains</source>
        <translation>Alineaciones, tiempo de juego y capitanes</translation>
    </message>
    <message>
        <source>Tournaments and brackets</source>
        <translation>Torneos y cuadros</translation>
    </message>
    <message>
        <source>Practices, drills and the calendar</source>
        <translation>Entrenamientos, ejercicios y el calendario</translation>
    </message>
    <message>
        <source>Team notes, e-mail and game notes</source>
        <translation>Notas del equipo, correo electrónico y notas de partido</translation>
    </message>
    <message>
        <source>Fees</source>
        <translation>Cuotas</translation>
    </message>
    <message>
        <source>Printing and print preview</source>
        <translation>Impresión y vista previa</translation>
    </message>
    <message>
        <source>Options (Tools &gt; Configuration)</source>
        <translation>Opciones (Herramientas &gt; Configuración)</translation>
    </message>
    <message>
        <source>Checking for updates</source>
        <translation>Buscar actualizaciones</translation>
    </message>
    <message>
        <source>Where your data lives</source>
        <translation>Dónde se guardan tus datos</translation>
    </message>
    <message>
        <source>When something goes wrong</source>
        <translation>Cuando algo sale mal</translation>
    </message>
    <message>
        <source>Player Information</source>
        <translation>Información del jugador</translation>
    </message>
    <message>
        <source>Team Information</source>
        <translation>Información del equipo</translation>
    </message>
</context>
<context>
    <name>Mail</name>
    <message>
        <source>it holds a broken character</source>
        <translation>contiene un carácter dañado</translation>
    </message>
    <message>
        <source>it holds a line break, a tab or another control character</source>
        <translation>contiene un salto de línea, un tabulador u otro carácter de control</translation>
    </message>
    <message>
        <source>it holds an invisible or unknown character</source>
        <translation>contiene un carácter invisible o desconocido</translation>
    </message>
    <message>
        <source>it holds angle brackets &lt; &gt; other than the pair around the address</source>
        <translation>contiene los signos &lt; &gt; aparte de los que rodean la dirección</translation>
    </message>
    <message>
        <source>it holds a space inside the address</source>
        <translation>contiene un espacio dentro de la dirección</translation>
    </message>
    <message>
        <source>it holds more than one @</source>
        <translation>contiene más de una @</translation>
    </message>
    <message>
        <source>it holds &quot;%1&quot; where the address has no place for it</source>
        <translation>contiene &quot;%1&quot; donde la dirección no lo admite</translation>
    </message>
    <message>
        <source>a parenthesis is not closed</source>
        <translation>falta cerrar un paréntesis</translation>
    </message>
    <message>
        <source>a quotation mark is not closed</source>
        <translation>faltan cerrar unas comillas</translation>
    </message>
    <message>
        <source>the part before the @ starts or ends with a dot, or has two dots in a row</source>
        <translation>la parte anterior a la @ empieza o termina con un punto, o tiene dos puntos seguidos</translation>
    </message>
    <message>
        <source>there is nothing before the @</source>
        <translation>no hay nada antes de la @</translation>
    </message>
    <message>
        <source>there is no @ in it</source>
        <translation>no tiene @</translation>
    </message>
    <message>
        <source>the address in brackets after the @ is not valid</source>
        <translation>la dirección entre corchetes después de la @ no es válida</translation>
    </message>
    <message>
        <source>there is nothing after the @</source>
        <translation>no hay nada después de la @</translation>
    </message>
    <message>
        <source>the part after the @ is not a domain name such as example.org</source>
        <translation>la parte posterior a la @ no es un nombre de dominio como example.org</translation>
    </message>
    <message>
        <source>the part after the @ is longer than 253 characters</source>
        <translation>la parte posterior a la @ tiene más de 253 caracteres</translation>
    </message>
    <message>
        <source>the part before the @ is longer than 64 characters</source>
        <translation>la parte anterior a la @ tiene más de 64 caracteres</translation>
    </message>
    <message>
        <source>the address is longer than 254 characters</source>
        <translation>la dirección tiene más de 254 caracteres</translation>
    </message>
    <message>
        <source>the name is longer than 256 characters</source>
        <translation>el nombre tiene más de 256 caracteres</translation>
    </message>
    <message>
        <source>it is empty</source>
        <translation>está vacía</translation>
    </message>
    <message>
        <source>it is too long</source>
        <translation>es demasiado larga</translation>
    </message>
    <message>
        <source>the &lt; before the address has no &gt; after it</source>
        <translation>el &lt; antes de la dirección no tiene un &gt; detrás</translation>
    </message>
    <message>
        <source>something follows the &gt; after the address</source>
        <translation>hay algo después del &gt; que cierra la dirección</translation>
    </message>
    <message>
        <source>it holds no address</source>
        <translation>no contiene ninguna dirección</translation>
    </message>
    <message>
        <source>&quot;%1&quot;: %2</source>
        <translation>&quot;%1&quot;: %2</translation>
    </message>
    <message>
        <source>%1 is not a valid e-mail address: %2.
Type it as name@example.org or as Name &lt;name@example.org&gt;; several addresses are parted by commas.</source>
        <translation>%1 no es una dirección de correo electrónico válida: %2.
Escríbela como nombre@example.org o como Nombre &lt;nombre@example.org&gt;; separa varias direcciones con comas.</translation>
    </message>
    <message>
        <source>Invalid E-mail Address</source>
        <translation>Dirección de correo electrónico no válida</translation>
    </message>
    <message>
        <source>it holds a space, a line break or another control character</source>
        <translation>contiene un espacio, un salto de línea u otro carácter de control</translation>
    </message>
    <message>
        <source>only smtp:// and smtps:// servers can send mail</source>
        <translation>solo los servidores smtp:// y smtps:// pueden enviar correo</translation>
    </message>
    <message>
        <source>it holds more than the server&apos;s name and port</source>
        <translation>contiene algo más que el nombre y el puerto del servidor</translation>
    </message>
    <message>
        <source>the [ before the server&apos;s address has no ] after it</source>
        <translation>el [ antes de la dirección del servidor no tiene un ] detrás</translation>
    </message>
    <message>
        <source>the address in brackets is not an IPv6 address</source>
        <translation>la dirección entre corchetes no es una dirección IPv6</translation>
    </message>
    <message>
        <source>an IPv6 address must stand in brackets, as in [2001:db8::1]:587</source>
        <translation>una dirección IPv6 debe ir entre corchetes, como en [2001:db8::1]:587</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a server name</source>
        <translation>&quot;%1&quot; no es un nombre de servidor</translation>
    </message>
    <message>
        <source>the port is not a number from 1 to 65535</source>
        <translation>el puerto no es un número entre 1 y 65535</translation>
    </message>
</context>
<context>
    <name>Messaging</name>
    <message>
        <source>Game Notes</source>
        <translation>Notas del partido</translation>
    </message>
    <message>
        <source>The notes file for this game could not be made:
%1

Check that the data folder exists and that you may write to it.</source>
        <translation>No se pudo crear el archivo de notas de este partido:
%1

Comprueba que la carpeta de datos existe y que puedes escribir en ella.</translation>
    </message>
    <message>
        <source>No program could be started to open the game&apos;s notes:
%1</source>
        <translation>No se pudo abrir ningún programa para mostrar las notas del partido:
%1</translation>
    </message>
    <message>
        <source>Email not Sent</source>
        <translation>Correo no enviado</translation>
    </message>
    <message>
        <source>The message could not be written to
%1
(%2)</source>
        <translation>No se pudo escribir el mensaje en
%1
(%2)</translation>
    </message>
    <message>
        <source>No e-mail server is set. Enter the outgoing mail server under Tools, Configuration and send again.</source>
        <translation>No hay ningún servidor de correo configurado. Indica el servidor de correo saliente en Herramientas, Configuración y vuelve a enviarlo.</translation>
    </message>
    <message>
        <source>The team has no e-mail address for its first coach, so the mail has no sender. Enter it in the team profile and send again.</source>
        <translation>El equipo no tiene dirección de correo del primer entrenador, así que el correo no tiene remitente. Indícala en el perfil del equipo y vuelve a enviarlo.</translation>
    </message>
    <message>
        <source>it names more than one address</source>
        <translation>indica más de una dirección</translation>
    </message>
    <message>
        <source>The first coach&apos;s e-mail address in the team profile is not a valid e-mail address: %1. Correct it there and send again.</source>
        <translation>La dirección de correo del primer entrenador en el perfil del equipo no es válida: %1. Corrígela allí y vuelve a enviarlo.</translation>
    </message>
    <message>
        <source>These addresses are not valid e-mail addresses, so nothing was sent to them. Correct them in the player&apos;s or the team&apos;s profile:
%1</source>
        <translation>Estas direcciones no son direcciones de correo válidas, así que no se les ha enviado nada. Corrígelas en el perfil del jugador o del equipo:
%1</translation>
    </message>
    <message>
        <source>Error in Transmission</source>
        <translation>Error en el envío</translation>
    </message>
    <message>
        <source>There was an error sending the this message.
Do you want to see the log file?</source>
        <translation>Se produjo un error al enviar este mensaje.
¿Quieres ver el archivo de registro?</translation>
    </message>
    <message>
        <source>No program could be started to show the log file:
%1</source>
        <translation>No se pudo abrir ningún programa para mostrar el archivo de registro:
%1</translation>
    </message>
    <message>
        <source>This message is no longer in the list.</source>
        <translation>Este mensaje ya no está en la lista.</translation>
    </message>
    <message>
        <source>Nobody on this team has an e-mail address, and neither have its coaches.</source>
        <translation>Nadie en este equipo tiene dirección de correo electrónico, ni tampoco sus entrenadores.</translation>
    </message>
    <message>
        <source>The following people do not have E-mail addresses
%1</source>
        <translation>Las siguientes personas no tienen dirección de correo electrónico
%1</translation>
    </message>
    <message>
        <source>The team has no address to send game results to. Enter it in the team profile.</source>
        <translation>El equipo no tiene ninguna dirección a la que enviar los resultados. Indícala en el perfil del equipo.</translation>
    </message>
    <message>
        <source>The team&apos;s address for game results is not a valid e-mail address: %1. Correct it in the team profile and send again.</source>
        <translation>La dirección del equipo para los resultados no es una dirección de correo válida: %1. Corrígela en el perfil del equipo y vuelve a enviarlo.</translation>
    </message>
    <message>
        <source>Pitchwise found no temporary folder of yours to write the message in.</source>
        <translation>Pitchwise no encontró ninguna carpeta temporal tuya donde escribir el mensaje.</translation>
    </message>
</context>
<context>
    <name>PlayerFields</name>
    <message>
        <source>Player</source>
        <translation>Jugador</translation>
    </message>
    <message>
        <source>Last Name:</source>
        <translation>Apellidos:</translation>
    </message>
    <message>
        <source>First Name:</source>
        <translation>Nombre:</translation>
    </message>
    <message>
        <source>Nickname:</source>
        <translation>Apodo:</translation>
    </message>
    <message>
        <source>Jersey Number:</source>
        <translation>Dorsal:</translation>
    </message>
    <message>
        <source>E-Mail:</source>
        <translation>Correo electrónico:</translation>
    </message>
    <message>
        <source>Address:</source>
        <translation>Dirección:</translation>
    </message>
    <message>
        <source>City, State, Zip</source>
        <translation>Ciudad, provincia, código postal</translation>
    </message>
    <message>
        <source>City</source>
        <translation>Ciudad</translation>
    </message>
    <message>
        <source>State</source>
        <translation>Provincia</translation>
    </message>
    <message>
        <source>Zip</source>
        <translation>Código postal</translation>
    </message>
    <message>
        <source>Birth Date:</source>
        <translation>Fecha de nacimiento:</translation>
    </message>
    <message>
        <source>Birth Date</source>
        <translation>Fecha de nacimiento</translation>
    </message>
    <message>
        <source>Age:</source>
        <translation>Edad:</translation>
    </message>
    <message>
        <source>Phone Number:</source>
        <translation>Teléfono:</translation>
    </message>
    <message>
        <source>Alt Phone No.:</source>
        <translation>Otro teléfono:</translation>
    </message>
    <message>
        <source>Player Position</source>
        <translation>Posición</translation>
    </message>
    <message>
        <source>Front Line</source>
        <translation>Delantero</translation>
    </message>
    <message>
        <source>Half Back</source>
        <translation>Centrocampista</translation>
    </message>
    <message>
        <source>Full Back</source>
        <translation>Defensa</translation>
    </message>
    <message>
        <source>Sweeper</source>
        <translation>Líbero</translation>
    </message>
    <message>
        <source>Goalie</source>
        <translation>Portero</translation>
    </message>
    <message>
        <source>Mother</source>
        <translation>Madre</translation>
    </message>
    <message>
        <source>Address same as player</source>
        <translation>Misma dirección que el jugador</translation>
    </message>
    <message>
        <source>Father</source>
        <translation>Padre</translation>
    </message>
    <message>
        <source>May play in goal</source>
        <translation>Puede jugar de portero</translation>
    </message>
    <message>
        <source>A field player the coach allows in goal when a line-up is suggested</source>
        <translation>Un jugador de campo al que el entrenador deja jugar de portero cuando se propone una alineación</translation>
    </message>
</context>
<context>
    <name>Practice</name>
    <message>
        <source>Standing Attacker</source>
        <translation>Atacante parado</translation>
    </message>
    <message>
        <source>Left Running/Kicking Attacker</source>
        <translation>Atacante corriendo/chutando a la izquierda</translation>
    </message>
    <message>
        <source>Right Running/Kicking Attacker</source>
        <translation>Atacante corriendo/chutando a la derecha</translation>
    </message>
    <message>
        <source>Flag</source>
        <translation>Banderín</translation>
    </message>
    <message>
        <source>Cone</source>
        <translation>Cono</translation>
    </message>
    <message>
        <source>Stadning Defender</source>
        <translation>Defensor parado</translation>
    </message>
    <message>
        <source>Left Running/Kicking Defender</source>
        <translation>Defensor corriendo/chutando a la izquierda</translation>
    </message>
    <message>
        <source>Right Running/Kicking Defender</source>
        <translation>Defensor corriendo/chutando a la derecha</translation>
    </message>
    <message>
        <source>Soccer Ball</source>
        <translation>Balón</translation>
    </message>
    <message>
        <source>Attackers</source>
        <translation>Atacantes</translation>
    </message>
    <message>
        <source>Defenders</source>
        <translation>Defensores</translation>
    </message>
    <message>
        <source>Equipment</source>
        <translation>Material</translation>
    </message>
    <message>
        <source>Tactics</source>
        <translation>Táctica</translation>
    </message>
    <message>
        <source>Techniques</source>
        <translation>Técnica</translation>
    </message>
    <message>
        <source>Attacking</source>
        <translation>Ataque</translation>
    </message>
    <message>
        <source>Defending</source>
        <translation>Defensa</translation>
    </message>
    <message>
        <source>Warmup</source>
        <translation>Calentamiento</translation>
    </message>
    <message>
        <source>Passing</source>
        <translation>Pase</translation>
    </message>
    <message>
        <source>Transition</source>
        <translation>Transición</translation>
    </message>
    <message>
        <source>Conditioning</source>
        <translation>Preparación física</translation>
    </message>
    <message>
        <source>Individual (1 v 1)</source>
        <translation>Individual (1 contra 1)</translation>
    </message>
    <message>
        <source>Small Group (2 v 1,2 v 2,3 v 2,3 v 3,etc/)</source>
        <translation>Grupo reducido (2 contra 1, 2 contra 2, 3 contra 2, 3 contra 3, etc.)</translation>
    </message>
    <message>
        <source>Large Group (6 v 4 through 11 v 11)</source>
        <translation>Grupo amplio (de 6 contra 4 a 11 contra 11)</translation>
    </message>
    <message>
        <source>Fundamental</source>
        <translation>Fundamentos</translation>
    </message>
    <message>
        <source>Match Related</source>
        <translation>Situación de partido</translation>
    </message>
    <message>
        <source>Match Conditions</source>
        <translation>Condiciones de partido</translation>
    </message>
    <message>
        <source>Missing Data</source>
        <translation>Faltan datos</translation>
    </message>
    <message>
        <source>You must specify which discipline this drill is designed to improve.</source>
        <translation>Debes indicar qué aspecto del juego quiere mejorar este ejercicio.</translation>
    </message>
    <message>
        <source>This is a system drill and is not modifiable.</source>
        <translation>Este es un ejercicio del sistema y no se puede modificar.</translation>
    </message>
    <message>
        <source>Teaching Moment</source>
        <translation>Momento de enseñanza</translation>
    </message>
    <message>
        <source>&lt;Empty&gt;</source>
        <translation>&lt;Vacío&gt;</translation>
    </message>
    <message>
        <source>All Coaches</source>
        <translation>Todos los entrenadores</translation>
    </message>
    <message>
        <source>Delete Session</source>
        <translation>Eliminar sesión</translation>
    </message>
    <message>
        <source>Are you sure you want to delete this Training Session from the database?</source>
        <translation>¿Seguro que quieres eliminar esta sesión de entrenamiento de la base de datos?</translation>
    </message>
    <message>
        <source>Clear Agenda</source>
        <translation>Borrar agenda</translation>
    </message>
    <message>
        <source>Changing this scheduled event will clear the set agenda, Do you want to continue?</source>
        <translation>Si cambias este evento programado se borrará la agenda que tiene. ¿Quieres continuar?</translation>
    </message>
</context>
<context>
    <name>Printing</name>
    <message>
        <source>The printout could not be started: the printer or file cannot be written to.</source>
        <translation>No se pudo empezar a imprimir: no se puede escribir en la impresora o en el archivo.</translation>
    </message>
    <message>
        <source>The next page of the printout could not be started.</source>
        <translation>No se pudo empezar la siguiente página de la impresión.</translation>
    </message>
    <message>
        <source>The PDF file %1 could not be written. Check that the folder exists and that you may write to it.</source>
        <translation>No se pudo escribir el archivo PDF %1. Comprueba que la carpeta existe y que puedes escribir en ella.</translation>
    </message>
</context>
<context>
    <name>Reports</name>
    <message>
        <source>Purpose:</source>
        <translation>Objetivo:</translation>
    </message>
    <message>
        <source>Description:</source>
        <translation>Descripción:</translation>
    </message>
    <message>
        <source>Development:</source>
        <translation>Progresión:</translation>
    </message>
    <message>
        <source>%1 (continued):</source>
        <translation>%1 (continuación):</translation>
    </message>
    <message>
        <source>(continued on the next page)</source>
        <translation>(continúa en la página siguiente)</translation>
    </message>
    <message>
        <source>%1 (continued)</source>
        <translation>%1 (continuación)</translation>
    </message>
    <message>
        <source>Agenda</source>
        <translation>Agenda</translation>
    </message>
    <message>
        <source>Team Meeting</source>
        <translation>Reunión del equipo</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Hora</translation>
    </message>
    <message>
        <source>Agenda Item</source>
        <translation>Punto del orden del día</translation>
    </message>
    <message>
        <source>Notes</source>
        <translation>Notas</translation>
    </message>
    <message>
        <source>Drill/Evolution</source>
        <translation>Ejercicio/Variante</translation>
    </message>
    <message>
        <source>Discipline</source>
        <translation>Aspecto</translation>
    </message>
    <message>
        <source>Coach</source>
        <translation>Entrenador</translation>
    </message>
    <message>
        <source>Description</source>
        <translation>Descripción</translation>
    </message>
    <message>
        <source>Monday</source>
        <translation>Lunes</translation>
    </message>
    <message>
        <source>Tuesday</source>
        <translation>Martes</translation>
    </message>
    <message>
        <source>Wednesday</source>
        <translation>Miércoles</translation>
    </message>
    <message>
        <source>Thursday</source>
        <translation>Jueves</translation>
    </message>
    <message>
        <source>Friday</source>
        <translation>Viernes</translation>
    </message>
    <message>
        <source>Game</source>
        <translation>N.º</translation>
    </message>
    <message>
        <source>Opponent Name</source>
        <translation>Rival</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Fecha</translation>
    </message>
    <message>
        <source>Field</source>
        <translation>Campo</translation>
    </message>
    <message>
        <source>Score</source>
        <translation>Resultado</translation>
    </message>
    <message>
        <source>For information about standings and directions to soccer fields,</source>
        <translation>Para consultar la clasificación y cómo llegar a los campos,</translation>
    </message>
    <message>
        <source>go to the web-site: %1</source>
        <translation>visita la web: %1</translation>
    </message>
    <message>
        <source>For General information, go to the web-site: %1</source>
        <translation>Para información general, visita la web: %1</translation>
    </message>
    <message>
        <source>Practice Schedule:</source>
        <translation>Horario de entrenamientos:</translation>
    </message>
    <message>
        <source>No Practices Scheduled</source>
        <translation>No hay entrenamientos programados</translation>
    </message>
    <message>
        <source>Practice</source>
        <translation>Entrenamiento</translation>
    </message>
    <message>
        <source>No.</source>
        <translation>N.º</translation>
    </message>
    <message>
        <source>Player Name</source>
        <translation>Jugador</translation>
    </message>
    <message>
        <source>Phone</source>
        <translation>Teléfono</translation>
    </message>
    <message>
        <source>Parents</source>
        <translation>Padres</translation>
    </message>
    <message>
        <source>E-mail</source>
        <translation>Correo electrónico</translation>
    </message>
    <message>
        <source>Coaches</source>
        <translation>Entrenadores</translation>
    </message>
    <message>
        <source>Alt Phone</source>
        <translation>Otro teléfono</translation>
    </message>
    <message>
        <source>E-Mail</source>
        <translation>Correo electrónico</translation>
    </message>
    <message>
        <source>LEAGUE: _________________________________________________________________ OFFICIAL TEAM ROSTER FOR ____________________________________________________SEASON</source>
        <translation>LIGA: ___________________________________________________________________ FICHA OFICIAL DEL EQUIPO DE LA TEMPORADA ____________________________________________</translation>
    </message>
    <message>
        <source>TEAM NAME: ________________________________________________________ CLUB NAME: ______________________________________TEAM NUMBER: ___________________________</source>
        <translation>EQUIPO: ____________________________________________________________ CLUB: ____________________________________________N.º DE EQUIPO: __________________________</translation>
    </message>
    <message>
        <source>(  )BOYS TEAM OR (  )GIRLS TEAM:  TEAM AGE DIVISION ______________  TEAM COLORS:  JERSEY __________________  SHORTS ____________ ALTERNATE JERSEY ___________</source>
        <translation>(  )EQUIPO MASCULINO O (  )EQUIPO FEMENINO:  CATEGORÍA ______________  COLORES:  CAMISETA __________________  PANTALÓN ____________ 2.ª EQUIPACIÓN ___________</translation>
    </message>
    <message>
        <source>FIRST NAME                    LAST NAME</source>
        <translation>NOMBRE                        APELLIDOS</translation>
    </message>
    <message>
        <source>JERSEY</source>
        <translation>DORSAL</translation>
    </message>
    <message>
        <source>NO.</source>
        <translation>N.º</translation>
    </message>
    <message>
        <source>PLAYER&apos;S NAME</source>
        <translation>NOMBRE DEL JUGADOR</translation>
    </message>
    <message>
        <source>PHONE</source>
        <translation>TELÉFONO</translation>
    </message>
    <message>
        <source>STREET NUMBER AND NAME</source>
        <translation>CALLE Y NÚMERO</translation>
    </message>
    <message>
        <source>ZIP</source>
        <translation>CÓDIGO</translation>
    </message>
    <message>
        <source>CODE</source>
        <translation>POSTAL</translation>
    </message>
    <message>
        <source>DATE OF</source>
        <translation>FECHA DE</translation>
    </message>
    <message>
        <source>BIRTH</source>
        <translation>NACIMIENTO</translation>
    </message>
    <message>
        <source>AGE</source>
        <translation>EDAD</translation>
    </message>
    <message>
        <source>COACH</source>
        <translation>ENTRENADOR</translation>
    </message>
    <message>
        <source>ASST COACH</source>
        <translation>2.º ENTRENADOR</translation>
    </message>
    <message>
        <source>TEAM ROSTER CLUB APPROVAL</source>
        <translation>APROBACIÓN DE LA FICHA POR EL CLUB</translation>
    </message>
    <message>
        <source>TEAM ROSTER APPROVED THROUGH LINE __________</source>
        <translation>FICHA DEL EQUIPO APROBADA HASTA LA LÍNEA __________</translation>
    </message>
    <message>
        <source>HEAD COACH</source>
        <translation>PRIMER ENTRENADOR</translation>
    </message>
    <message>
        <source>DISTRICT REPRESENTATIVE</source>
        <translation>REPRESENTANTE DE LA FEDERACIÓN</translation>
    </message>
    <message>
        <source>Notes for %1 %2</source>
        <translation>Notas de %1 %2</translation>
    </message>
    <message>
        <source>Priority</source>
        <translation>Prioridad</translation>
    </message>
    <message>
        <source>Note</source>
        <translation>Nota</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Estado</translation>
    </message>
    <message>
        <source>The note to print is no longer there.</source>
        <translation>La nota que querías imprimir ya no existe.</translation>
    </message>
    <message>
        <source>Message from the Coach</source>
        <translation>Mensaje del entrenador</translation>
    </message>
    <message>
        <source>Subject: %1</source>
        <translation>Asunto: %1</translation>
    </message>
    <message>
        <source>Date Sent: %1</source>
        <translation>Enviado el: %1</translation>
    </message>
    <message>
        <source>Written: %1</source>
        <translation>Escrito el: %1</translation>
    </message>
    <message>
        <source>On The Field</source>
        <translation>En el campo</translation>
    </message>
    <message>
        <source>Goalie</source>
        <translation>Portero</translation>
    </message>
    <message>
        <source>Statistics for %1</source>
        <translation>Estadísticas de %1</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>Juega</translation>
    </message>
    <message>
        <source>Shots</source>
        <translation>Tiros</translation>
    </message>
    <message>
        <source>Goals</source>
        <translation>Goles</translation>
    </message>
    <message>
        <source>Blks/Stls</source>
        <translation>Bloq./Robos</translation>
    </message>
    <message>
        <source>Asts</source>
        <translation>Asist.</translation>
    </message>
    <message>
        <source>Blocks</source>
        <translation>Paradas</translation>
    </message>
    <message>
        <source>Over</source>
        <translation>Fuera</translation>
    </message>
    <message>
        <source>Totals</source>
        <translation>Totales</translation>
    </message>
    <message>
        <source>Print All Players</source>
        <translation>Imprimir todos los jugadores</translation>
    </message>
    <message>
        <source>Do you want to print all players? (Yes)
or only for %1 (No)</source>
        <translation>¿Quieres imprimir todos los jugadores? (Sí)
o solo a %1 (No)</translation>
    </message>
    <message>
        <source>Opponent</source>
        <translation>Rival</translation>
    </message>
    <message>
        <source>QP</source>
        <translation>PJ</translation>
    </message>
    <message>
        <source>QA</source>
        <translation>PD</translation>
    </message>
    <message>
        <source>Stats for %1 (Tournament)</source>
        <translation>Estadísticas del %1 (torneo)</translation>
    </message>
    <message>
        <source>Stats for %1</source>
        <translation>Estadísticas del %1</translation>
    </message>
    <message>
        <source>Plyr No.</source>
        <translation>Dorsal</translation>
    </message>
    <message>
        <source>Blocks/Steals</source>
        <translation>Bloqueos/Robos</translation>
    </message>
    <message>
        <source>Shot On Goal</source>
        <translation>Tiros a puerta</translation>
    </message>
    <message>
        <source>Goals Scored</source>
        <translation>Goles marcados</translation>
    </message>
    <message>
        <source>Assists</source>
        <translation>Asistencias</translation>
    </message>
    <message>
        <source>Goalie No.</source>
        <translation>N.º portero</translation>
    </message>
    <message>
        <source>Shots Missed</source>
        <translation>Tiros fuera</translation>
    </message>
    <message>
        <source>Goals Blocked</source>
        <translation>Goles parados</translation>
    </message>
    <message>
        <source>Line-up vs. %1</source>
        <translation>Alineación contra %1</translation>
    </message>
    <message>
        <source>Period %1</source>
        <translation>Periodo %1</translation>
    </message>
    <message>
        <source>Reserve</source>
        <translation>Suplente</translation>
    </message>
    <message>
        <source>G</source>
        <comment>in goal</comment>
        <translation>P</translation>
    </message>
    <message>
        <source>D</source>
        <comment>defence</comment>
        <translation>D</translation>
    </message>
    <message>
        <source>M</source>
        <comment>midfield</comment>
        <translation>M</translation>
    </message>
    <message>
        <source>A</source>
        <comment>attack</comment>
        <translation>A</translation>
    </message>
    <message>
        <source>Playing Time Report</source>
        <translation>Informe de tiempo de juego</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <translation>%1 %2</translation>
    </message>
    <message>
        <source>%1%</source>
        <translation>%1 %</translation>
    </message>
    <message>
        <source>Season</source>
        <translation>Temporada</translation>
    </message>
    <message>
        <source>Player</source>
        <translation>Jugador</translation>
    </message>
    <message>
        <source>Played</source>
        <translation>Jugados</translation>
    </message>
    <message>
        <source>Available</source>
        <translation>Disponibles</translation>
    </message>
    <message>
        <source>Share</source>
        <translation>Reparto</translation>
    </message>
    <message>
        <source>In Goal</source>
        <translation>Portería</translation>
    </message>
    <message>
        <source>Defence</source>
        <translation>Defensa</translation>
    </message>
    <message>
        <source>Midfield</source>
        <translation>Medio campo</translation>
    </message>
    <message>
        <source>Attack</source>
        <translation>Ataque</translation>
    </message>
    <message>
        <source>Captain</source>
        <translation>Capitán</translation>
    </message>
    <message>
        <source>No player has had periods available yet.</source>
        <translation>Todavía ningún jugador ha tenido periodos disponibles.</translation>
    </message>
    <message>
        <source>Average share %1%; spread %2 pts, from %3% to %4%.</source>
        <translation>Reparto medio %1 %; diferencia de %2 puntos, del %3 % al %4 %.</translation>
    </message>
    <message>
        <source>The team sets no minimum periods per game.</source>
        <translation>El equipo no fija un mínimo de periodos por partido.</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>Every player played the team&apos;s minimum periods per game (%1, or every period available when fewer) in every game.</source>
        <translation>Todos los jugadores han jugado el mínimo de periodos por partido del equipo (%1, o todos los periodos disponibles si eran menos) en todos los partidos.</translation>
    </message>
    <message>
        <source>Below the team&apos;s minimum periods per game (%1, or every period available when fewer):</source>
        <translation>Por debajo del mínimo de periodos por partido del equipo (%1, o todos los periodos disponibles si eran menos):</translation>
    </message>
    <message>
        <source>Team</source>
        <translation>Equipo</translation>
    </message>
    <message>
        <source>%1/%2</source>
        <translation>%1/%2</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <comment>periods and the captain&apos;s mark</comment>
        <translation>%1 %2</translation>
    </message>
    <message>
        <source>C</source>
        <comment>captain</comment>
        <translation>C</translation>
    </message>
    <message>
        <source>Game by Game</source>
        <translation>Partido a partido</translation>
    </message>
    <message>
        <source>Game by Game: %1</source>
        <translation>Partido a partido: %1</translation>
    </message>
    <message>
        <source>Game by Game: games without a date</source>
        <translation>Partido a partido: partidos sin fecha</translation>
    </message>
    <message>
        <source>Each game: periods played/periods available, then the periods in goal (G), in defence (D), in midfield (M) and in attack (A); C captain; * fewer than the minimum periods (shaded).</source>
        <translation>Cada partido: periodos jugados/periodos disponibles, luego los periodos en la portería (P), en defensa (D), en el medio campo (M) y en ataque (A); C capitán; * menos del mínimo de periodos (sombreado).</translation>
    </message>
</context>
<context>
    <name>RollingBall</name>
    <message>
        <source>Rolling ball</source>
        <translation>Balón rodando</translation>
    </message>
</context>
<context>
    <name>RosterCsv</name>
    <message>
        <source>a quoted field is not closed before the end of the file</source>
        <translation>un campo entre comillas no se cierra antes del final del archivo</translation>
    </message>
    <message>
        <source>column %1 holds a control character (U+%2)</source>
        <translation>la columna %1 contiene un carácter de control (U+%2)</translation>
    </message>
    <message>
        <source>The file is not UTF-8 text. Save it from the spreadsheet program as CSV UTF-8.</source>
        <translation>El archivo no es texto UTF-8. Guárdalo desde la hoja de cálculo como CSV UTF-8.</translation>
    </message>
    <message>
        <source>Last Name</source>
        <translation>Apellidos</translation>
    </message>
    <message>
        <source>First Name</source>
        <translation>Nombre</translation>
    </message>
    <message>
        <source>Nickname</source>
        <translation>Apodo</translation>
    </message>
    <message>
        <source>Jersey</source>
        <translation>Dorsal</translation>
    </message>
    <message>
        <source>E-Mail</source>
        <translation>Correo electrónico</translation>
    </message>
    <message>
        <source>Positions</source>
        <translation>Posiciones</translation>
    </message>
    <message>
        <source>Address</source>
        <translation>Dirección</translation>
    </message>
    <message>
        <source>City</source>
        <translation>Ciudad</translation>
    </message>
    <message>
        <source>State</source>
        <translation>Provincia</translation>
    </message>
    <message>
        <source>Zip</source>
        <translation>Código postal</translation>
    </message>
    <message>
        <source>Birth Date</source>
        <translation>Fecha de nacimiento</translation>
    </message>
    <message>
        <source>Phone</source>
        <translation>Teléfono</translation>
    </message>
    <message>
        <source>Alt. Phone</source>
        <translation>Otro teléfono</translation>
    </message>
    <message>
        <source>Mother&apos;s Last Name</source>
        <translation>Apellidos de la madre</translation>
    </message>
    <message>
        <source>Mother&apos;s First Name</source>
        <translation>Nombre de la madre</translation>
    </message>
    <message>
        <source>Mother&apos;s Address</source>
        <translation>Dirección de la madre</translation>
    </message>
    <message>
        <source>Mother&apos;s City</source>
        <translation>Ciudad de la madre</translation>
    </message>
    <message>
        <source>Mother&apos;s State</source>
        <translation>Provincia de la madre</translation>
    </message>
    <message>
        <source>Mother&apos;s Zip</source>
        <translation>Código postal de la madre</translation>
    </message>
    <message>
        <source>Mother&apos;s Phone</source>
        <translation>Teléfono de la madre</translation>
    </message>
    <message>
        <source>Mother&apos;s Alt. Phone</source>
        <translation>Otro teléfono de la madre</translation>
    </message>
    <message>
        <source>Mother&apos;s E-Mail</source>
        <translation>Correo electrónico de la madre</translation>
    </message>
    <message>
        <source>Mother at Player&apos;s Address</source>
        <translation>Madre en la dirección del jugador</translation>
    </message>
    <message>
        <source>Father&apos;s Last Name</source>
        <translation>Apellidos del padre</translation>
    </message>
    <message>
        <source>Father&apos;s First Name</source>
        <translation>Nombre del padre</translation>
    </message>
    <message>
        <source>Father&apos;s Address</source>
        <translation>Dirección del padre</translation>
    </message>
    <message>
        <source>Father&apos;s City</source>
        <translation>Ciudad del padre</translation>
    </message>
    <message>
        <source>Father&apos;s State</source>
        <translation>Provincia del padre</translation>
    </message>
    <message>
        <source>Father&apos;s Zip</source>
        <translation>Código postal del padre</translation>
    </message>
    <message>
        <source>Father&apos;s Phone</source>
        <translation>Teléfono del padre</translation>
    </message>
    <message>
        <source>Father&apos;s Alt. Phone</source>
        <translation>Otro teléfono del padre</translation>
    </message>
    <message>
        <source>Father&apos;s E-Mail</source>
        <translation>Correo electrónico del padre</translation>
    </message>
    <message>
        <source>Father at Player&apos;s Address</source>
        <translation>Padre en la dirección del jugador</translation>
    </message>
    <message>
        <source>Front Line</source>
        <translation>Delantero</translation>
    </message>
    <message>
        <source>Half Back</source>
        <translation>Centrocampista</translation>
    </message>
    <message>
        <source>Full Back</source>
        <translation>Defensa</translation>
    </message>
    <message>
        <source>Sweeper</source>
        <translation>Líbero</translation>
    </message>
    <message>
        <source>Goalie</source>
        <translation>Portero</translation>
    </message>
    <message>
        <source>jersey &quot;%1&quot; is no whole number from 0 to 32767</source>
        <translation>el dorsal &quot;%1&quot; no es un número entero entre 0 y 32767</translation>
    </message>
    <message>
        <source>unknown position in &quot;%1&quot;</source>
        <translation>posición desconocida en &quot;%1&quot;</translation>
    </message>
    <message>
        <source>bad date &quot;%1&quot; (write it as 2016-04-30)</source>
        <translation>fecha incorrecta &quot;%1&quot; (escríbela como 2016-04-30)</translation>
    </message>
    <message>
        <source>%1 is &quot;%2&quot;, not Yes or No</source>
        <translation>%1 es &quot;%2&quot;, no Sí o No</translation>
    </message>
    <message>
        <source>bad e-mail address in %1: %2</source>
        <translation>dirección de correo incorrecta en %1: %2</translation>
    </message>
    <message>
        <source>%1 roster.csv</source>
        <translation>plantilla %1.csv</translation>
    </message>
    <message>
        <source>missing name: a player needs a last name</source>
        <translation>falta el nombre: un jugador necesita apellidos</translation>
    </message>
    <message>
        <source>jersey %1 is taken by %2, %3 in the team</source>
        <translation>el dorsal %1 ya lo lleva %2, %3 en el equipo</translation>
    </message>
    <message>
        <source>the same player as line %1</source>
        <translation>el mismo jugador que en la línea %1</translation>
    </message>
    <message>
        <source>jersey %1 is taken by line %2 of the file</source>
        <translation>el dorsal %1 ya lo lleva la línea %2 del archivo</translation>
    </message>
    <message>
        <source>The file holds no rows.</source>
        <translation>El archivo no tiene filas.</translation>
    </message>
    <message>
        <source>The first row, which names the columns, cannot be read: %1</source>
        <translation>No se puede leer la primera fila, la de los nombres de las columnas: %1</translation>
    </message>
    <message>
        <source>There is no team %1.</source>
        <translation>No existe el equipo %1.</translation>
    </message>
    <message>
        <source>Cannot write %1: %2</source>
        <translation>No se puede escribir %1: %2</translation>
    </message>
    <message>
        <source>Cannot read %1: %2</source>
        <translation>No se puede leer %1: %2</translation>
    </message>
    <message>
        <source>line %1: %2</source>
        <translation>línea %1: %2</translation>
    </message>
</context>
<context>
    <name>RosterLinesModel</name>
    <message>
        <source>Player Name</source>
        <translation>Jugador</translation>
    </message>
    <message>
        <source>Phone No.</source>
        <translation>Teléfono</translation>
    </message>
    <message>
        <source>Parents</source>
        <translation>Padres</translation>
    </message>
    <message>
        <source>E-Mail</source>
        <translation>Correo electrónico</translation>
    </message>
</context>
<context>
    <name>Schedule</name>
    <message>
        <source>Game</source>
        <translation>Partido</translation>
    </message>
    <message>
        <source>Tournament game</source>
        <translation>Partido de torneo</translation>
    </message>
    <message>
        <source>%1 (moved)</source>
        <translation>%1 (cambio de fecha)</translation>
    </message>
    <message>
        <source>Moved from %1 %2</source>
        <translation>Antes: %1 %2</translation>
    </message>
    <message>
        <source>Moved to %1 %2</source>
        <translation>Pasa al %1 %2</translation>
    </message>
    <message>
        <source>Team Meeting</source>
        <translation>Reunión del equipo</translation>
    </message>
    <message>
        <source>Session</source>
        <translation>Sesión</translation>
    </message>
    <message>
        <source>Schedule Conflict</source>
        <translation>Conflicto de calendario</translation>
    </message>
    <message>
        <source>There is a conflict on %1</source>
        <translation>Hay un conflicto el %1</translation>
    </message>
    <message>
        <source>nothing scheduled</source>
        <translation>nada programado</translation>
    </message>
    <message>
        <source>schedule conflict</source>
        <translation>conflicto de calendario</translation>
    </message>
    <message>
        <source>Sunday</source>
        <translation>Domingo</translation>
    </message>
    <message>
        <source>Monday</source>
        <translation>Lunes</translation>
    </message>
    <message>
        <source>Tuesday</source>
        <translation>Martes</translation>
    </message>
    <message>
        <source>Wednesday</source>
        <translation>Miércoles</translation>
    </message>
    <message>
        <source>Thursday</source>
        <translation>Jueves</translation>
    </message>
    <message>
        <source>Friday</source>
        <translation>Viernes</translation>
    </message>
    <message>
        <source>Saturday</source>
        <translation>Sábado</translation>
    </message>
    <message>
        <source>Game %1 is not a season game; tournament games are changed in their bracket.</source>
        <translation>El partido %1 no es de la temporada; los partidos de torneo se cambian en su cuadro.</translation>
    </message>
    <message>
        <source>The season already has game %1; no more games can be added.</source>
        <translation>La temporada ya tiene el partido %1; no se pueden añadir más partidos.</translation>
    </message>
    <message>
        <source>Team %1 is not in the database.</source>
        <translation>El equipo %1 no está en la base de datos.</translation>
    </message>
    <message>
        <source>Game %1 is not in the schedule.</source>
        <translation>El partido %1 no está en el calendario.</translation>
    </message>
    <message>
        <source>Tournament games are changed in their tournament&apos;s bracket.</source>
        <translation>Los partidos de torneo se cambian en el cuadro de su torneo.</translation>
    </message>
    <message>
        <source>No Opponents</source>
        <translation>No hay rivales</translation>
    </message>
    <message>
        <source>There are no opponents listed. You must first enter the opponent names in the opponents list.</source>
        <translation>No hay rivales en la lista. Primero tienes que escribir los nombres de los rivales en la lista de rivales.</translation>
    </message>
    <message>
        <source>Add New Game to Schedule</source>
        <translation>Añadir partido al calendario</translation>
    </message>
    <message>
        <source>Reschedule Game</source>
        <translation>Cambiar fecha del partido</translation>
    </message>
    <message>
        <source>Delete Game</source>
        <translation>Eliminar partido</translation>
    </message>
    <message>
        <source>Are you sure you would like to delete the game with %1?</source>
        <translation>¿Seguro que quieres eliminar el partido contra %1?</translation>
    </message>
    <message>
        <source>Export Team Calendar</source>
        <translation>Exportar calendario del equipo</translation>
    </message>
    <message>
        <source>iCalendar Files (*.ics)|*.ics|All Files (*.*)|*.*</source>
        <translation>Archivos iCalendar (*.ics)|*.ics|Todos los archivos (*.*)|*.*</translation>
    </message>
</context>
<context>
    <name>Shell</name>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Archivo</translation>
    </message>
    <message>
        <source>&amp;Export</source>
        <translation>E&amp;xportar</translation>
    </message>
    <message>
        <source>&amp;Team</source>
        <translation>&amp;Equipo</translation>
    </message>
    <message>
        <source>T&amp;ournament</source>
        <translation>T&amp;orneo</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Ver</translation>
    </message>
    <message>
        <source>Print Pre&amp;view</source>
        <translation>&amp;Vista previa</translation>
    </message>
    <message>
        <source>&amp;Roster</source>
        <translation>&amp;Plantilla</translation>
    </message>
    <message>
        <source>&amp;Print</source>
        <translation>&amp;Imprimir</translation>
    </message>
    <message>
        <source>&amp;Game</source>
        <translation>&amp;Partido</translation>
    </message>
    <message>
        <source>&amp;Player</source>
        <translation>&amp;Jugador</translation>
    </message>
    <message>
        <source>T&amp;ools</source>
        <translation>&amp;Herramientas</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>A&amp;yuda</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Imprimir</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Salir</translation>
    </message>
    <message>
        <source>Close the program and every window it opened</source>
        <translation>Cierra el programa y todas las ventanas que ha abierto</translation>
    </message>
    <message>
        <source>&amp;Back Up Now…</source>
        <translation>&amp;Copia de seguridad ahora…</translation>
    </message>
    <message>
        <source>Write a copy of the database to a file you pick</source>
        <translation>Guarda una copia de la base de datos en el archivo que elijas</translation>
    </message>
    <message>
        <source>&amp;Restore…</source>
        <translation>&amp;Restaurar…</translation>
    </message>
    <message>
        <source>Put a backup in the place of the database</source>
        <translation>Pone una copia de seguridad en lugar de la base de datos</translation>
    </message>
    <message>
        <source>&amp;Standings</source>
        <translation>&amp;Clasificación</translation>
    </message>
    <message>
        <source>Open the league standings on the team&apos;s web site</source>
        <translation>Abre la clasificación de la liga en la web del equipo</translation>
    </message>
    <message>
        <source>Team Standings (Web-Site)</source>
        <translation>Clasificación del equipo (web)</translation>
    </message>
    <message>
        <source>&amp;Configuration</source>
        <translation>&amp;Configuración</translation>
    </message>
    <message>
        <source>Change the program&apos;s options, which hold for every team</source>
        <translation>Cambia las opciones del programa, que valen para todos los equipos</translation>
    </message>
    <message>
        <source>Applications Options</source>
        <translation>Opciones del programa</translation>
    </message>
    <message>
        <source>Print or preview a report of the team, the game or the player</source>
        <translation>Imprime o muestra la vista previa de un informe del equipo, del partido o del jugador</translation>
    </message>
    <message>
        <source>&amp;Contents...</source>
        <translation>&amp;Contenido...</translation>
    </message>
    <message>
        <source>Open the help at its table of contents</source>
        <translation>Abre la ayuda en su índice de contenidos</translation>
    </message>
    <message>
        <source>&amp;Index</source>
        <translation>Í&amp;ndice</translation>
    </message>
    <message>
        <source>Open the help at its index of topics</source>
        <translation>Abre la ayuda en su índice de temas</translation>
    </message>
    <message>
        <source>&amp;Search</source>
        <translation>&amp;Buscar</translation>
    </message>
    <message>
        <source>Look for a word in the help</source>
        <translation>Busca una palabra en la ayuda</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>&amp;Acerca de</translation>
    </message>
    <message>
        <source>Show the program&apos;s version and where it comes from</source>
        <translation>Muestra la versión del programa y su procedencia</translation>
    </message>
    <message>
        <source>&amp;Fee Management</source>
        <translation>Gestión de c&amp;uotas</translation>
    </message>
    <message>
        <source>Keep track of what each player owes and has paid</source>
        <translation>Lleva la cuenta de lo que debe y ha pagado cada jugador</translation>
    </message>
    <message>
        <source>No Game Chosen</source>
        <translation>No hay partido elegido</translation>
    </message>
    <message>
        <source>Select the game that you want to setup.</source>
        <translation>Selecciona el partido que quieres preparar.</translation>
    </message>
    <message>
        <source>No Players</source>
        <translation>No hay jugadores</translation>
    </message>
    <message>
        <source>There are no players to line up.</source>
        <translation>No hay jugadores para alinear.</translation>
    </message>
    <message>
        <source>&amp;Captains</source>
        <translation>&amp;Capitanes</translation>
    </message>
    <message>
        <source>Show who has captained the team in each game</source>
        <translation>Muestra quién ha sido capitán del equipo en cada partido</translation>
    </message>
    <message>
        <source>View Captains</source>
        <translation>Ver capitanes</translation>
    </message>
    <message>
        <source>Game &amp;Lineup</source>
        <translation>&amp;Alineación del partido</translation>
    </message>
    <message>
        <source>View or change the line-up of the selected game</source>
        <translation>Muestra o cambia la alineación del partido seleccionado</translation>
    </message>
    <message>
        <source>View/Modify Line-up for Selected Game</source>
        <translation>Ver/modificar la alineación del partido seleccionado</translation>
    </message>
    <message>
        <source>&amp;Update Player Stats</source>
        <translation>Introducir es&amp;tadísticas</translation>
    </message>
    <message>
        <source>Enter the selected player&apos;s statistics for the selected game</source>
        <translation>Introduce las estadísticas del jugador seleccionado en el partido seleccionado</translation>
    </message>
    <message>
        <source>Enter Game Statistics</source>
        <translation>Introducir estadísticas del partido</translation>
    </message>
    <message>
        <source>Enter the statistics of the selected game, one player at a time</source>
        <translation>Introduce las estadísticas del partido seleccionado, jugador a jugador</translation>
    </message>
    <message>
        <source>Game Lineup</source>
        <translation>Alineación del partido</translation>
    </message>
    <message>
        <source>Open this game&apos;s line-up board, once the team has players</source>
        <translation>Abre la pizarra de alineación de este partido, cuando el equipo ya tiene jugadores</translation>
    </message>
    <message>
        <source>Set as Not Yet Played</source>
        <translation>Marcar como no jugado</translation>
    </message>
    <message>
        <source>Clear the game&apos;s result so that it counts as still to be played</source>
        <translation>Borra el resultado del partido para que cuente como pendiente de jugar</translation>
    </message>
    <message>
        <source>Game &amp;Notes</source>
        <translation>&amp;Notas del partido</translation>
    </message>
    <message>
        <source>Open the notes file of the selected game</source>
        <translation>Abre el archivo de notas del partido seleccionado</translation>
    </message>
    <message>
        <source>Notes for Selected Game</source>
        <translation>Notas del partido seleccionado</translation>
    </message>
    <message>
        <source>Send &amp;Results</source>
        <translation>Enviar &amp;resultado</translation>
    </message>
    <message>
        <source>E-mail the selected game&apos;s result to the league, with a copy to you</source>
        <translation>Envía por correo el resultado del partido seleccionado a la liga, con copia para ti</translation>
    </message>
    <message>
        <source>Send Game Results</source>
        <translation>Enviar resultado del partido</translation>
    </message>
    <message>
        <source>Send Email to entire team</source>
        <translation>Enviar correo a todo el equipo</translation>
    </message>
    <message>
        <source>Keep the team&apos;s notes and messages, and mail one to every family</source>
        <translation>Guarda las notas y mensajes del equipo y envía uno a cada familia</translation>
    </message>
    <message>
        <source>&amp;Practice Schedule</source>
        <translation>Calendario de &amp;entrenamientos</translation>
    </message>
    <message>
        <source>Open the month calendar of the team&apos;s games and practices</source>
        <translation>Abre el calendario mensual de partidos y entrenamientos del equipo</translation>
    </message>
    <message>
        <source>Team Schedule</source>
        <translation>Calendario del equipo</translation>
    </message>
    <message>
        <source>Practice &amp;Drills</source>
        <translation>E&amp;jercicios de entrenamiento</translation>
    </message>
    <message>
        <source>Keep the library of drills that practices are planned from</source>
        <translation>Gestiona la biblioteca de ejercicios con la que se planifican los entrenamientos</translation>
    </message>
    <message>
        <source>Team Statistics</source>
        <translation>Estadísticas del equipo</translation>
    </message>
    <message>
        <source>Official Roster</source>
        <translation>Ficha oficial</translation>
    </message>
    <message>
        <source>Roster</source>
        <translation>Plantilla</translation>
    </message>
    <message>
        <source>Schedule</source>
        <translation>Calendario</translation>
    </message>
    <message>
        <source>Stat Sheet</source>
        <translation>Hoja de estadísticas</translation>
    </message>
    <message>
        <source>Player Statistics</source>
        <translation>Estadísticas del jugador</translation>
    </message>
    <message>
        <source>Player Notes</source>
        <translation>Notas del jugador</translation>
    </message>
    <message>
        <source>&amp;Team Stats</source>
        <translation>Estadísticas del &amp;equipo</translation>
    </message>
    <message>
        <source>Show the team&apos;s statistics on screen as they will print</source>
        <translation>Muestra en pantalla las estadísticas del equipo tal como se imprimirán</translation>
    </message>
    <message>
        <source>&amp;Official Format</source>
        <translation>Formato &amp;oficial</translation>
    </message>
    <message>
        <source>Show the roster in the league&apos;s official format on screen</source>
        <translation>Muestra en pantalla la plantilla en el formato oficial de la liga</translation>
    </message>
    <message>
        <source>&amp;Handout Format</source>
        <translation>Formato para las &amp;familias</translation>
    </message>
    <message>
        <source>Show the roster handout for the families on screen</source>
        <translation>Muestra en pantalla la hoja de la plantilla para las familias</translation>
    </message>
    <message>
        <source>&amp;Schedule</source>
        <translation>&amp;Calendario</translation>
    </message>
    <message>
        <source>Show the team&apos;s season schedule on screen</source>
        <translation>Muestra en pantalla el calendario de la temporada del equipo</translation>
    </message>
    <message>
        <source>Print the team&apos;s statistics</source>
        <translation>Imprime las estadísticas del equipo</translation>
    </message>
    <message>
        <source>Print the roster in the league&apos;s official format</source>
        <translation>Imprime la plantilla en el formato oficial de la liga</translation>
    </message>
    <message>
        <source>Print the roster handout for the families</source>
        <translation>Imprime la hoja de la plantilla para las familias</translation>
    </message>
    <message>
        <source>Print the team&apos;s season schedule</source>
        <translation>Imprime el calendario de la temporada del equipo</translation>
    </message>
    <message>
        <source>&amp;Stat Sheet</source>
        <translation>&amp;Hoja de estadísticas</translation>
    </message>
    <message>
        <source>Show a blank statistics sheet for the selected game on screen</source>
        <translation>Muestra en pantalla una hoja de estadísticas en blanco para el partido seleccionado</translation>
    </message>
    <message>
        <source>Print a blank statistics sheet for the selected game</source>
        <translation>Imprime una hoja de estadísticas en blanco para el partido seleccionado</translation>
    </message>
    <message>
        <source>Player &amp;Stats</source>
        <translation>E&amp;stadísticas del jugador</translation>
    </message>
    <message>
        <source>Show the statistics of the selected player, or of every player, on screen</source>
        <translation>Muestra en pantalla las estadísticas del jugador seleccionado, o de todos los jugadores</translation>
    </message>
    <message>
        <source>Player &amp;Notes</source>
        <translation>&amp;Notas del jugador</translation>
    </message>
    <message>
        <source>Show the notes of the selected player, or of every player, on screen</source>
        <translation>Muestra en pantalla las notas del jugador seleccionado, o de todos los jugadores</translation>
    </message>
    <message>
        <source>Print the statistics of the selected player, or of every player</source>
        <translation>Imprime las estadísticas del jugador seleccionado, o de todos los jugadores</translation>
    </message>
    <message>
        <source>Print the notes of the selected player, or of every player</source>
        <translation>Imprime las notas del jugador seleccionado, o de todos los jugadores</translation>
    </message>
    <message>
        <source>Print or preview the team&apos;s statistics</source>
        <translation>Imprime o muestra la vista previa de las estadísticas del equipo</translation>
    </message>
    <message>
        <source>Team Stats</source>
        <translation>Estadísticas del equipo</translation>
    </message>
    <message>
        <source>Print or preview the roster handout for the families</source>
        <translation>Imprime o muestra la vista previa de la hoja de la plantilla para las familias</translation>
    </message>
    <message>
        <source>Print or preview the team&apos;s season schedule</source>
        <translation>Imprime o muestra la vista previa del calendario de la temporada del equipo</translation>
    </message>
    <message>
        <source>Blank Stat Sheet</source>
        <translation>Hoja de estadísticas en blanco</translation>
    </message>
    <message>
        <source>Print or preview a blank statistics sheet for the selected game</source>
        <translation>Imprime o muestra la vista previa de una hoja de estadísticas en blanco para el partido seleccionado</translation>
    </message>
    <message>
        <source>Print or preview player statistics</source>
        <translation>Imprime o muestra la vista previa de las estadísticas de los jugadores</translation>
    </message>
    <message>
        <source>Print or preview player notes</source>
        <translation>Imprime o muestra la vista previa de las notas de los jugadores</translation>
    </message>
    <message>
        <source>&amp;Schedule New Game</source>
        <translation>&amp;Programar nuevo partido</translation>
    </message>
    <message>
        <source>Add a game to the team&apos;s season schedule</source>
        <translation>Añade un partido al calendario de la temporada del equipo</translation>
    </message>
    <message>
        <source>Res&amp;chedule Game</source>
        <translation>Cambiar &amp;fecha del partido</translation>
    </message>
    <message>
        <source>Move the selected game to another day, time or field</source>
        <translation>Pasa el partido seleccionado a otro día, hora o campo</translation>
    </message>
    <message>
        <source>&amp;Delete Game</source>
        <translation>&amp;Eliminar partido</translation>
    </message>
    <message>
        <source>Take the selected game off the team&apos;s schedule</source>
        <translation>Quita el partido seleccionado del calendario del equipo</translation>
    </message>
    <message>
        <source>Team Calendar…</source>
        <translation>Calendario del equipo…</translation>
    </message>
    <message>
        <source>Write the team&apos;s games and practices to a calendar file for phones and calendar programs</source>
        <translation>Escribe los partidos y entrenamientos del equipo en un archivo de calendario para móviles y programas de calendario</translation>
    </message>
    <message>
        <source>&amp;Opponent List</source>
        <translation>Lista de &amp;rivales</translation>
    </message>
    <message>
        <source>Add, change and remove the teams you play against</source>
        <translation>Añade, cambia y quita los equipos contra los que juegas</translation>
    </message>
    <message>
        <source>Opponents</source>
        <translation>Rivales</translation>
    </message>
    <message>
        <source>Opponents List</source>
        <translation>Lista de rivales</translation>
    </message>
    <message>
        <source>Team &amp;Information</source>
        <translation>&amp;Información del equipo</translation>
    </message>
    <message>
        <source>Add a team, or set up the current one: its season, games and contacts</source>
        <translation>Añade un equipo o configura el actual: su temporada, partidos y contactos</translation>
    </message>
    <message>
        <source>Team Setup</source>
        <translation>Configurar equipo</translation>
    </message>
    <message>
        <source>Show the team&apos;s players with their numbers and contacts in one list</source>
        <translation>Muestra los jugadores del equipo con sus dorsales y contactos en una lista</translation>
    </message>
    <message>
        <source>View Roster</source>
        <translation>Ver plantilla</translation>
    </message>
    <message>
        <source>Add, change and remove the team&apos;s players</source>
        <translation>Añade, cambia y quita los jugadores del equipo</translation>
    </message>
    <message>
        <source>Team Roster</source>
        <translation>Plantilla del equipo</translation>
    </message>
    <message>
        <source>Add New Tournament</source>
        <translation>Añadir nuevo torneo</translation>
    </message>
    <message>
        <source>Modify Tournament Information</source>
        <translation>Modificar datos del torneo</translation>
    </message>
    <message>
        <source>Confirm Delete</source>
        <translation>Confirmar eliminación</translation>
    </message>
    <message>
        <source>Are you sure you want to delete %1?</source>
        <translation>¿Seguro que quieres eliminar %1?</translation>
    </message>
    <message>
        <source>&amp;Add New</source>
        <translation>&amp;Añadir nuevo</translation>
    </message>
    <message>
        <source>Add a tournament the team plays in</source>
        <translation>Añade un torneo en el que juega el equipo</translation>
    </message>
    <message>
        <source>&amp;Modify Selected</source>
        <translation>&amp;Modificar seleccionado</translation>
    </message>
    <message>
        <source>Change the selected tournament&apos;s name, start date or rounds</source>
        <translation>Cambia el nombre, la fecha de inicio o las rondas del torneo seleccionado</translation>
    </message>
    <message>
        <source>&amp;Delete Selected</source>
        <translation>&amp;Eliminar seleccionado</translation>
    </message>
    <message>
        <source>Delete the selected tournament and its bracket</source>
        <translation>Elimina el torneo seleccionado y su cuadro</translation>
    </message>
    <message>
        <source>Tournament Bracket</source>
        <translation>Cuadro del torneo</translation>
    </message>
    <message>
        <source>Open the bracket of the selected tournament</source>
        <translation>Abre el cuadro del torneo seleccionado</translation>
    </message>
    <message>
        <source>Open the bracket of this tournament</source>
        <translation>Abre el cuadro de este torneo</translation>
    </message>
    <message>
        <source>Add another tournament the team plays in</source>
        <translation>Añade otro torneo en el que juega el equipo</translation>
    </message>
    <message>
        <source>Modify Selected</source>
        <translation>Modificar seleccionado</translation>
    </message>
    <message>
        <source>Change this tournament&apos;s name, start date or rounds</source>
        <translation>Cambia el nombre, la fecha de inicio o las rondas de este torneo</translation>
    </message>
    <message>
        <source>Delete Selected</source>
        <translation>Eliminar seleccionado</translation>
    </message>
    <message>
        <source>Delete this tournament and its bracket</source>
        <translation>Elimina este torneo y su cuadro</translation>
    </message>
    <message>
        <source>Check for &amp;Updates</source>
        <translation>Buscar &amp;actualizaciones</translation>
    </message>
    <message>
        <source>Look for a newer version of the program and install it</source>
        <translation>Busca una versión más reciente del programa y la instala</translation>
    </message>
    <message>
        <source>Import Roster</source>
        <translation>Importar plantilla</translation>
    </message>
    <message>
        <source>CSV Files (*.csv)|*.csv|All Files (*.*)|*.*</source>
        <translation>Archivos CSV (*.csv)|*.csv|Todos los archivos (*.*)|*.*</translation>
    </message>
    <message>
        <source>&amp;Export Roster…</source>
        <translation>E&amp;xportar plantilla…</translation>
    </message>
    <message>
        <source>Write the team&apos;s players with their parents to a CSV file for spreadsheet programs</source>
        <translation>Escribe los jugadores del equipo con sus padres en un archivo CSV para hojas de cálculo</translation>
    </message>
    <message>
        <source>&amp;Import Roster…</source>
        <translation>I&amp;mportar plantilla…</translation>
    </message>
    <message>
        <source>Add or update the team&apos;s players from a CSV file, such as a club&apos;s spreadsheet</source>
        <translation>Añade o actualiza los jugadores del equipo desde un archivo CSV, como la hoja de cálculo del club</translation>
    </message>
    <message>
        <source>Playing Time Report</source>
        <translation>Informe de tiempo de juego</translation>
    </message>
    <message>
        <source>&amp;Playing Time Report</source>
        <translation>Informe de &amp;tiempo de juego</translation>
    </message>
    <message>
        <source>Show each player&apos;s periods, positions and season share on screen, for the families</source>
        <translation>Muestra en pantalla los periodos, posiciones y reparto de la temporada de cada jugador, para las familias</translation>
    </message>
    <message>
        <source>Print each player&apos;s periods, positions and season share, for the families</source>
        <translation>Imprime los periodos, posiciones y reparto de la temporada de cada jugador, para las familias</translation>
    </message>
    <message>
        <source>Print or preview each player&apos;s periods, positions and season share</source>
        <translation>Imprime o muestra la vista previa de los periodos, posiciones y reparto de la temporada de cada jugador</translation>
    </message>
</context>
<context>
    <name>Startup</name>
    <message>
        <source>%1

Please choose another place for the data.</source>
        <translation>%1

Elige otro lugar para los datos.</translation>
    </message>
    <message>
        <source>E-mail Configuration</source>
        <translation>Configuración del correo electrónico</translation>
    </message>
    <message>
        <source>E-Mail Configuration</source>
        <translation>Configuración del correo electrónico</translation>
    </message>
    <message>
        <source>To enable the E-mail option of this program, you will need to supply some information about your E-mail server.
The next few questions will ask the name of your e-mail server and your username and password.
If you are not sure about the server name, username and password, click &apos;NO&apos; below and you can enable this option later. Otherwise, click &apos;YES&apos;</source>
        <translation>Para activar la opción de correo electrónico de este programa, tienes que dar algunos datos de tu servidor de correo.
Las siguientes preguntas te pedirán el nombre de tu servidor de correo, tu usuario y tu contraseña.
Si no conoces el nombre del servidor, el usuario o la contraseña, haz clic en &apos;NO&apos; y podrás activar esta opción más adelante. Si los conoces, haz clic en &apos;SÍ&apos;</translation>
    </message>
    <message>
        <source>Enter your E-mail server name:</source>
        <translation>Escribe el nombre de tu servidor de correo:</translation>
    </message>
    <message>
        <source>Enter your User Name:</source>
        <translation>Escribe tu nombre de usuario:</translation>
    </message>
    <message>
        <source>Enter your Password:</source>
        <translation>Escribe tu contraseña:</translation>
    </message>
    <message>
        <source>%1 is a file, not a folder.</source>
        <translation>%1 es un archivo, no una carpeta.</translation>
    </message>
    <message>
        <source>The folder %1 could not be created.</source>
        <translation>No se pudo crear la carpeta %1.</translation>
    </message>
    <message>
        <source>The folder %1 cannot be written to.</source>
        <translation>No se puede escribir en la carpeta %1.</translation>
    </message>
    <message>
        <source>New Install</source>
        <translation>Nueva instalación</translation>
    </message>
    <message>
        <source>It appears as though this is the first time you have started Pitchwise.
You will be asked a few questions to get started.
Do you want to continue?</source>
        <translation>Parece que es la primera vez que abres Pitchwise.
Te haremos unas preguntas para empezar.
¿Quieres continuar?</translation>
    </message>
    <message>
        <source>Data Path</source>
        <translation>Carpeta de datos</translation>
    </message>
    <message>
        <source>Where would you like to store the data?
Click &apos;OK&apos; to accept.
&apos;Cancel&apos; to browse.</source>
        <translation>¿Dónde quieres guardar los datos?
Haz clic en &apos;Aceptar&apos; para confirmar.
&apos;Cancelar&apos; para buscar otra carpeta.</translation>
    </message>
    <message>
        <source>Create DataBase file</source>
        <translation>Crear archivo de base de datos</translation>
    </message>
    <message>
        <source>Pitchwise Database (*.db)|*.db|All Files (*.*)|*.*</source>
        <translation>Base de datos de Pitchwise (*.db)|*.db|Todos los archivos (*.*)|*.*</translation>
    </message>
    <message>
        <source>The file %1 already exists and is not a Pitchwise database. It will not be replaced.</source>
        <translation>El archivo %1 ya existe y no es una base de datos de Pitchwise. No se reemplazará.</translation>
    </message>
    <message>
        <source>A Pitchwise database already exists at
%1

Do you want to use it?</source>
        <translation>Ya existe una base de datos de Pitchwise en
%1

¿Quieres usarla?</translation>
    </message>
    <message>
        <source>The database could not be created:
%1</source>
        <translation>No se pudo crear la base de datos:
%1</translation>
    </message>
    <message>
        <source>Database Problem</source>
        <translation>Problema con la base de datos</translation>
    </message>
    <message>
        <source>Pitchwise cannot use the database
%1

%2

Click &apos;Yes&apos; to pick another database file, &apos;No&apos; to create a new database, or &apos;Cancel&apos; to quit. The file itself is left as it is.</source>
        <translation>Pitchwise no puede usar la base de datos
%1

%2

Haz clic en &apos;Sí&apos; para elegir otro archivo de base de datos, en &apos;No&apos; para crear una base de datos nueva o en &apos;Cancelar&apos; para salir. El archivo se deja tal como está.</translation>
    </message>
    <message>
        <source>This is a folder, not a database file.</source>
        <translation>Esto es una carpeta, no un archivo de base de datos.</translation>
    </message>
    <message>
        <source>This is not a file but a pipe or a device.</source>
        <translation>Esto no es un archivo, sino una tubería o un dispositivo.</translation>
    </message>
    <message>
        <source>The file does not exist.</source>
        <translation>El archivo no existe.</translation>
    </message>
    <message>
        <source>Database In Use</source>
        <translation>Base de datos en uso</translation>
    </message>
    <message>
        <source>%1
is in use by another program.

Click &apos;Yes&apos; to try again, or &apos;No&apos; for other choices.</source>
        <translation>%1
está en uso por otro programa.

Haz clic en &apos;Sí&apos; para volver a intentarlo o en &apos;No&apos; para ver otras opciones.</translation>
    </message>
    <message>
        <source>Open Pitchwise Database</source>
        <translation>Abrir base de datos de Pitchwise</translation>
    </message>
    <message>
        <source>Read-Only Database</source>
        <translation>Base de datos de solo lectura</translation>
    </message>
    <message>
        <source>%1
can be read but not changed. You can look at everything; changes cannot be saved.</source>
        <translation>%1
se puede leer pero no modificar. Puedes consultarlo todo, pero los cambios no se pueden guardar.</translation>
    </message>
</context>
<context>
    <name>StatDialog</name>
    <message>
        <source>Game Statistics</source>
        <translation>Estadísticas del partido</translation>
    </message>
    <message>
        <source>Player:</source>
        <translation>Jugador:</translation>
    </message>
    <message>
        <source>Qtrs Avail.:</source>
        <translation>Periodos disp.:</translation>
    </message>
    <message>
        <source>Qtrs Played:</source>
        <translation>Periodos jugados:</translation>
    </message>
    <message>
        <source>Field Play</source>
        <translation>Juego de campo</translation>
    </message>
    <message>
        <source>Shots on Goal:</source>
        <translation>Tiros a puerta:</translation>
    </message>
    <message>
        <source>Goals Scored:</source>
        <translation>Goles marcados:</translation>
    </message>
    <message>
        <source>Blocks/Steals:</source>
        <translation>Bloqueos/Robos:</translation>
    </message>
    <message>
        <source>Assists:</source>
        <translation>Asistencias:</translation>
    </message>
    <message>
        <source>Goalie Play</source>
        <translation>Juego de portero</translation>
    </message>
    <message>
        <source>Shots on Goal</source>
        <translation>Tiros a puerta</translation>
    </message>
    <message>
        <source>Blocks:</source>
        <translation>Paradas:</translation>
    </message>
    <message>
        <source>Missed Shots:</source>
        <translation>Tiros fuera:</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Guardar</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
</context>
<context>
    <name>Store</name>
    <message>
        <source>The folder %1 does not exist.</source>
        <translation>La carpeta %1 no existe.</translation>
    </message>
    <message>
        <source>%1 is a folder.</source>
        <translation>%1 es una carpeta.</translation>
    </message>
    <message>
        <source>The folder %1 cannot be written.</source>
        <translation>No se puede escribir en la carpeta %1.</translation>
    </message>
    <message>
        <source>A backup cannot take the place of the database it is made of.</source>
        <translation>Una copia de seguridad no puede sustituir a la base de datos de la que se ha hecho.</translation>
    </message>
    <message>
        <source>The folder %1 could not be made.</source>
        <translation>No se pudo crear la carpeta %1.</translation>
    </message>
    <message>
        <source>Daily</source>
        <translation>Diaria</translation>
    </message>
    <message>
        <source>Before deleting a team</source>
        <translation>Antes de eliminar un equipo</translation>
    </message>
    <message>
        <source>Before deleting a tournament</source>
        <translation>Antes de eliminar un torneo</translation>
    </message>
    <message>
        <source>Before updating the drill library</source>
        <translation>Antes de actualizar la biblioteca de ejercicios</translation>
    </message>
    <message>
        <source>Before restoring a backup</source>
        <translation>Antes de restaurar una copia de seguridad</translation>
    </message>
    <message>
        <source>Before bringing the database up to date</source>
        <translation>Antes de actualizar la base de datos</translation>
    </message>
    <message>
        <source>This database is kept on the club&apos;s PostgreSQL server. Back it up there with pg_dump.</source>
        <translation>Esta base de datos está en el servidor PostgreSQL del club. Haz la copia de seguridad allí con pg_dump.</translation>
    </message>
    <message>
        <source>%1 is a database of another program, not a Pitchwise database.</source>
        <translation>%1 es una base de datos de otro programa, no de Pitchwise.</translation>
    </message>
    <message>
        <source>%1 was made by a newer version of Pitchwise (database version %2; this version reads up to %3). Install the newer version to use it.</source>
        <translation>%1 se creó con una versión más reciente de Pitchwise (versión de la base de datos %2; esta versión lee hasta la %3). Instala la versión más reciente para usarla.</translation>
    </message>
    <message>
        <source>%1 is damaged and cannot be used.</source>
        <translation>%1 está dañado y no se puede usar.</translation>
    </message>
    <message>
        <source>%1 cannot be read.</source>
        <translation>No se puede leer %1.</translation>
    </message>
    <message>
        <source>%1 is not a database.</source>
        <translation>%1 no es una base de datos.</translation>
    </message>
    <message>
        <source>The open database can be read but not changed, so no backup can take its place.</source>
        <translation>La base de datos abierta se puede leer pero no modificar, así que ninguna copia de seguridad puede sustituirla.</translation>
    </message>
    <message>
        <source>A save is under way. Restore the backup once it has finished.</source>
        <translation>Se están guardando datos. Restaura la copia de seguridad cuando termine.</translation>
    </message>
    <message>
        <source>%1 is the database that is open now.</source>
        <translation>%1 es la base de datos que está abierta ahora.</translation>
    </message>
    <message>
        <source>The connection to the database server was lost, so nothing of this change was saved. Pitchwise connects again when it next reads or saves. (%1)</source>
        <translation>Se perdió la conexión con el servidor de la base de datos, así que no se ha guardado nada de este cambio. Pitchwise volverá a conectarse la próxima vez que lea o guarde. (%1)</translation>
    </message>
    <message>
        <source>The database is in use by another program, which keeps it locked.</source>
        <translation>La base de datos está en uso por otro programa, que la tiene bloqueada.</translation>
    </message>
    <message>
        <source>The number is already taken in the database, perhaps by someone saving at the same time. Nothing was saved: open the window again and repeat the change. (%1)</source>
        <translation>El número ya está ocupado en la base de datos, quizá por alguien que guardaba a la vez. No se ha guardado nada: vuelve a abrir la ventana y repite el cambio. (%1)</translation>
    </message>
    <message>
        <source>The port of the database address is not a number from 1 to 65535.</source>
        <translation>El puerto de la dirección de la base de datos no es un número entre 1 y 65535.</translation>
    </message>
    <message>
        <source>The database address has an option Pitchwise does not know: %1.</source>
        <translation>La dirección de la base de datos tiene una opción que Pitchwise no conoce: %1.</translation>
    </message>
    <message>
        <source>The value of the option %1 of the database address cannot be passed on: use letters, digits and . / : _ + - only.</source>
        <translation>El valor de la opción %1 de la dirección de la base de datos no se puede transmitir: usa solo letras, cifras y los signos . / : _ + -.</translation>
    </message>
    <message>
        <source>The database driver %1 is not installed on this computer.</source>
        <translation>El controlador de base de datos %1 no está instalado en este ordenador.</translation>
    </message>
    <message>
        <source>The server of %1 offers no encrypted (TLS) connection, and the address asks for one (sslmode). Ask the club&apos;s administrator to turn TLS on, or remove sslmode from the address. (%2)</source>
        <translation>El servidor de %1 no ofrece conexión cifrada (TLS) y la dirección la exige (sslmode). Pide al administrador del club que active TLS o quita sslmode de la dirección. (%2)</translation>
    </message>
    <message>
        <source>Could not open the database %1: %2</source>
        <translation>No se pudo abrir la base de datos %1: %2</translation>
    </message>
    <message>
        <source>No database is open.</source>
        <translation>No hay ninguna base de datos abierta.</translation>
    </message>
    <message>
        <source>The statement failed (%1)</source>
        <translation>La instrucción falló (%1)</translation>
    </message>
    <message>
        <source>The statement could not be prepared (%1)</source>
        <translation>No se pudo preparar la instrucción (%1)</translation>
    </message>
    <message>
        <source>A transaction could not be started</source>
        <translation>No se pudo iniciar una transacción</translation>
    </message>
    <message>
        <source>The changes could not be saved: part of them failed.</source>
        <translation>No se pudieron guardar los cambios: una parte falló.</translation>
    </message>
    <message>
        <source>The changes could not be saved</source>
        <translation>No se pudieron guardar los cambios</translation>
    </message>
    <message>
        <source>The drill library %1 is missing; reinstall Pitchwise.</source>
        <translation>Falta la biblioteca de ejercicios %1; vuelve a instalar Pitchwise.</translation>
    </message>
    <message>
        <source>The file %1 already exists.</source>
        <translation>El archivo %1 ya existe.</translation>
    </message>
    <message>
        <source>The database file %1 could not be written.</source>
        <translation>No se pudo escribir el archivo de base de datos %1.</translation>
    </message>
    <message>
        <source>%1 is not a Pitchwise database (it has no %2).</source>
        <translation>%1 no es una base de datos de Pitchwise (no tiene %2).</translation>
    </message>
    <message>
        <source>Failed Update</source>
        <translation>Actualización fallida</translation>
    </message>
    <message>
        <source>%1 in %2 was not updated with %3</source>
        <translation>%1 en %2 no se actualizó con %3</translation>
    </message>
    <message>
        <source>No %1 numbers are left in %2.</source>
        <translation>No quedan números de %1 en %2.</translation>
    </message>
    <message>
        <source>Database file</source>
        <translation>Archivo de base de datos</translation>
    </message>
    <message>
        <source>Enter the database file, or the address of a PostgreSQL database. Pitchwise needs one to start.</source>
        <translation>Indica el archivo de base de datos o la dirección de una base de datos PostgreSQL. Pitchwise necesita una para arrancar.</translation>
    </message>
    <message>
        <source>Wrong Password</source>
        <translation>Contraseña incorrecta</translation>
    </message>
    <message>
        <source>The passwords to not match. Please re-enter them</source>
        <translation>Las contraseñas no coinciden. Vuelve a escribirlas</translation>
    </message>
    <message>
        <source>Server Name</source>
        <translation>Nombre del servidor</translation>
    </message>
    <message>
        <source>The Server Name is not the address of a mail server: %1.
Type the server&apos;s name, such as mail.example.org, with the port when the club gives one (mail.example.org:587), or smtps://mail.example.org for a connection that is encrypted from the start.</source>
        <translation>El nombre del servidor no es la dirección de un servidor de correo: %1.
Escribe el nombre del servidor, como mail.example.org, con el puerto si el club te da uno (mail.example.org:587), o smtps://mail.example.org para una conexión cifrada desde el principio.</translation>
    </message>
    <message>
        <source>User Name</source>
        <translation>Nombre de usuario</translation>
    </message>
    <message>
        <source>The User Name holds a line break, a tab or another control character. Type it again.</source>
        <translation>El nombre de usuario contiene un salto de línea, un tabulador u otro carácter de control. Vuelve a escribirlo.</translation>
    </message>
    <message>
        <source>The setting %1 could not be saved in %2</source>
        <translation>No se pudo guardar la opción %1 en %2</translation>
    </message>
    <message>
        <source>%1 could not be written to the disk.</source>
        <translation>No se pudo escribir %1 en el disco.</translation>
    </message>
    <message>
        <source>%1 could not be written: %2</source>
        <translation>No se pudo escribir %1: %2</translation>
    </message>
</context>
<context>
    <name>TeamCalendar</name>
    <message>
        <source>Team %1 is not in the database.</source>
        <translation>El equipo %1 no está en la base de datos.</translation>
    </message>
    <message>
        <source>Team %1</source>
        <translation>Equipo %1</translation>
    </message>
    <message>
        <source>Wear: %1 (the opponent plays in %2)</source>
        <translation>Equipación: %1 (el rival juega de %2)</translation>
    </message>
    <message>
        <source>Wear: %1 jersey</source>
        <translation>Equipación: camiseta %1</translation>
    </message>
    <message>
        <source>Wear: %1 shorts</source>
        <translation>Equipación: pantalón %1</translation>
    </message>
    <message>
        <source>Wear: %1 jersey, %2 shorts</source>
        <translation>Equipación: camiseta %1, pantalón %2</translation>
    </message>
    <message>
        <source>Coach: %1</source>
        <translation>Entrenador: %1</translation>
    </message>
    <message>
        <source>Coach&apos;s phone: %1</source>
        <translation>Teléfono del entrenador: %1</translation>
    </message>
    <message>
        <source>Coach: %1, %2</source>
        <translation>Entrenador: %1, %2</translation>
    </message>
    <message>
        <source>Tournament game, round %1</source>
        <translation>Partido de torneo, ronda %1</translation>
    </message>
    <message>
        <source>%1, round %2</source>
        <translation>%1, ronda %2</translation>
    </message>
    <message>
        <source>%1 game</source>
        <translation>Partido de %1</translation>
    </message>
    <message>
        <source>%1 vs %2</source>
        <translation>%1 contra %2</translation>
    </message>
    <message>
        <source>Team Meeting</source>
        <translation>Reunión del equipo</translation>
    </message>
    <message>
        <source>Practice</source>
        <translation>Entrenamiento</translation>
    </message>
    <message>
        <source>The calendar could not be written to %1: %2</source>
        <translation>No se pudo escribir el calendario en %1: %2</translation>
    </message>
</context>
<context>
    <name>TeamFields</name>
    <message>
        <source>General</source>
        <translation>General</translation>
    </message>
    <message>
        <source>League:</source>
        <translation>Liga:</translation>
    </message>
    <message>
        <source>Team Name:</source>
        <translation>Nombre del equipo:</translation>
    </message>
    <message>
        <source>Club Name:</source>
        <translation>Club:</translation>
    </message>
    <message>
        <source>Standings:</source>
        <translation>Clasificación:</translation>
    </message>
    <message>
        <source>Home Page:</source>
        <translation>Página web:</translation>
    </message>
    <message>
        <source>Tournament Play</source>
        <translation>Torneos</translation>
    </message>
    <message>
        <source>Coach must manage fees</source>
        <translation>El entrenador gestiona las cuotas</translation>
    </message>
    <message>
        <source>Team Fee</source>
        <translation>Cuota del equipo</translation>
    </message>
    <message>
        <source>Season</source>
        <translation>Temporada</translation>
    </message>
    <message>
        <source>Season:</source>
        <translation>Temporada:</translation>
    </message>
    <message>
        <source>Example: Fall 2003</source>
        <translation>Ejemplo: Otoño 2003</translation>
    </message>
    <message>
        <source>Start Date:</source>
        <translation>Fecha de inicio:</translation>
    </message>
    <message>
        <source>Division</source>
        <translation>Categoría</translation>
    </message>
    <message>
        <source>Age:</source>
        <translation>Edad:</translation>
    </message>
    <message>
        <source>Age Cut-off Date:</source>
        <translation>Fecha límite de edad:</translation>
    </message>
    <message>
        <source>Boys</source>
        <translation>Chicos</translation>
    </message>
    <message>
        <source>Girls</source>
        <translation>Chicas</translation>
    </message>
    <message>
        <source>Co-Ed</source>
        <translation>Mixto</translation>
    </message>
    <message>
        <source>Game Data</source>
        <translation>Datos de partido</translation>
    </message>
    <message>
        <source>Periods/Game:</source>
        <translation>Periodos/partido:</translation>
    </message>
    <message>
        <source>Players on the field:</source>
        <translation>Jugadores en el campo:</translation>
    </message>
    <message>
        <source>Minutes/Period:</source>
        <translation>Minutos/periodo:</translation>
    </message>
    <message>
        <source>Min Periods Req.:</source>
        <translation>Periodos mín. exigidos:</translation>
    </message>
    <message>
        <source>Tracking</source>
        <translation>Seguimiento</translation>
    </message>
    <message>
        <source>Colors</source>
        <translation>Colores</translation>
    </message>
    <message>
        <source>Jersey:</source>
        <translation>Camiseta:</translation>
    </message>
    <message>
        <source>Shorts:</source>
        <translation>Pantalón:</translation>
    </message>
    <message>
        <source>Alternate:</source>
        <translation>Segunda equipación:</translation>
    </message>
    <message>
        <source>Play Time Tracking</source>
        <translation>Seguimiento del tiempo de juego</translation>
    </message>
    <message>
        <source>Track by Quarter</source>
        <translation>Por periodos</translation>
    </message>
    <message>
        <source>Track by Time</source>
        <translation>Por tiempo</translation>
    </message>
    <message>
        <source>Captain Tracking</source>
        <translation>Seguimiento de capitanes</translation>
    </message>
    <message>
        <source>Different Captains for each game</source>
        <translation>Capitanes distintos en cada partido</translation>
    </message>
    <message>
        <source>Select captains for the season</source>
        <translation>Elegir capitanes para la temporada</translation>
    </message>
    <message>
        <source>Coaches</source>
        <translation>Entrenadores</translation>
    </message>
    <message>
        <source>Coach</source>
        <translation>Entrenador</translation>
    </message>
    <message>
        <source>Name:</source>
        <translation>Nombre:</translation>
    </message>
    <message>
        <source>Phone:</source>
        <translation>Teléfono:</translation>
    </message>
    <message>
        <source>Address:</source>
        <translation>Dirección:</translation>
    </message>
    <message>
        <source>Zip Code:</source>
        <translation>Código postal:</translation>
    </message>
    <message>
        <source>Mobile Ph:</source>
        <translation>Móvil:</translation>
    </message>
    <message>
        <source>Email:</source>
        <translation>Correo electrónico:</translation>
    </message>
    <message>
        <source>Assist. Coach</source>
        <translation>Ayudante</translation>
    </message>
    <message>
        <source>Practice</source>
        <translation>Entrenamiento</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Inicio</translation>
    </message>
    <message>
        <source>End</source>
        <translation>Fin</translation>
    </message>
    <message>
        <source>Monday</source>
        <translation>Lunes</translation>
    </message>
    <message>
        <source>Monday start</source>
        <translation>Inicio del lunes</translation>
    </message>
    <message>
        <source>Monday end</source>
        <translation>Fin del lunes</translation>
    </message>
    <message>
        <source>Tuesday</source>
        <translation>Martes</translation>
    </message>
    <message>
        <source>Tuesday start</source>
        <translation>Inicio del martes</translation>
    </message>
    <message>
        <source>Tuesday end</source>
        <translation>Fin del martes</translation>
    </message>
    <message>
        <source>Wednesday</source>
        <translation>Miércoles</translation>
    </message>
    <message>
        <source>Wednesday start</source>
        <translation>Inicio del miércoles</translation>
    </message>
    <message>
        <source>Wednesday end</source>
        <translation>Fin del miércoles</translation>
    </message>
    <message>
        <source>Thursday</source>
        <translation>Jueves</translation>
    </message>
    <message>
        <source>Thursday start</source>
        <translation>Inicio del jueves</translation>
    </message>
    <message>
        <source>Thursday end</source>
        <translation>Fin del jueves</translation>
    </message>
    <message>
        <source>Friday</source>
        <translation>Viernes</translation>
    </message>
    <message>
        <source>Friday start</source>
        <translation>Inicio del viernes</translation>
    </message>
    <message>
        <source>Friday end</source>
        <translation>Fin del viernes</translation>
    </message>
    <message>
        <source>Reporting</source>
        <translation>Resultados</translation>
    </message>
    <message>
        <source>Email address to Send Game Results</source>
        <translation>Dirección de correo para enviar los resultados</translation>
    </message>
    <message>
        <source>Point Calculations</source>
        <translation>Cálculo de puntos</translation>
    </message>
    <message>
        <source>Win =</source>
        <translation>Victoria =</translation>
    </message>
    <message>
        <source>Tie =</source>
        <translation>Empate =</translation>
    </message>
    <message>
        <source>Loss =</source>
        <translation>Derrota =</translation>
    </message>
</context>
<context>
    <name>Teams</name>
    <message>
        <source>The team number must be a whole number from 1 to 32767.</source>
        <translation>El número de equipo debe ser un número entero entre 1 y 32767.</translation>
    </message>
    <message>
        <source>The number %1 is already used by %2. Choose another number.</source>
        <translation>El número %1 ya lo usa %2. Elige otro número.</translation>
    </message>
    <message>
        <source>A player needs a team and a number from 1 up.</source>
        <translation>Un jugador necesita un equipo y un número a partir de 1.</translation>
    </message>
    <message>
        <source>A team needs a number from 1 up.</source>
        <translation>Un equipo necesita un número a partir de 1.</translation>
    </message>
</context>
<context>
    <name>Tournaments</name>
    <message>
        <source>Tournament %1 is not a tournament number a team can have.</source>
        <translation>%1 no es un número de torneo que pueda tener un equipo.</translation>
    </message>
    <message>
        <source>Game Time</source>
        <translation>Hora del partido</translation>
    </message>
    <message>
        <source>Date: %1<byte value="xd"/>
Time: %2<byte value="xd"/>
Field: %3<byte value="xd"/>
(Double-Click to Modify)</source>
        <translation>Fecha: %1</translation>
    </message>
    <message>
        <source>Round %1</source>
        <translation>Ronda %1</translation>
    </message>
    <message>
        <source>This team already has tournament %1, the highest number a tournament can have; no more tournaments can be added.</source>
        <translation>Este equipo ya tiene el torneo %1, el número más alto que puede tener un torneo; no se pueden añadir más torneos.</translation>
    </message>
    <message>
        <source>You must supply a tournament name.</source>
        <translation>Tienes que indicar un nombre para el torneo.</translation>
    </message>
    <message>
        <source>A tournament has 1 to %1 rounds.</source>
        <translation>Un torneo tiene de 1 a %1 rondas.</translation>
    </message>
</context>
<context>
    <name>Update</name>
    <message>
        <source>%1 could not be written: %2</source>
        <translation>No se pudo escribir %1: %2</translation>
    </message>
    <message>
        <source>The transfer library could not start</source>
        <translation>No se pudo iniciar la biblioteca de transferencia</translation>
    </message>
    <message>
        <source>%1 could not be put in place: %2</source>
        <translation>No se pudo colocar %1 en su sitio: %2</translation>
    </message>
    <message>
        <source>Cancelled</source>
        <translation>Cancelado</translation>
    </message>
    <message>
        <source>The update server &quot;%1&quot; is not an FTP address</source>
        <translation>El servidor de actualizaciones &quot;%1&quot; no es una dirección FTP</translation>
    </message>
    <message>
        <source>The version file has text after its signature</source>
        <translation>El archivo de versión tiene texto después de su firma</translation>
    </message>
    <message>
        <source>The version file&apos;s signature cannot be read</source>
        <translation>No se puede leer la firma del archivo de versión</translation>
    </message>
    <message>
        <source>The version file lists %1 more than once</source>
        <translation>El archivo de versión incluye %1 más de una vez</translation>
    </message>
    <message>
        <source>The table %1 of the downloaded drills has no DrillID</source>
        <translation>La tabla %1 de los ejercicios descargados no tiene DrillID</translation>
    </message>
    <message>
        <source>%1 was not found after download</source>
        <translation>No se encontró %1 después de la descarga</translation>
    </message>
    <message>
        <source>%1 could not be read: %2</source>
        <translation>No se pudo leer %1: %2</translation>
    </message>
    <message>
        <source>The version file is not signed</source>
        <translation>El archivo de versión no está firmado</translation>
    </message>
    <message>
        <source>The version file&apos;s signature does not match the release key</source>
        <translation>La firma del archivo de versión no coincide con la clave de publicación</translation>
    </message>
    <message>
        <source>%1: the update was refused</source>
        <translation>%1: se rechazó la actualización</translation>
    </message>
    <message>
        <source>The version file is empty</source>
        <translation>El archivo de versión está vacío</translation>
    </message>
    <message>
        <source>The version file holds no version number</source>
        <translation>El archivo de versión no contiene ningún número de versión</translation>
    </message>
    <message>
        <source>The downloaded %1 is not a database</source>
        <translation>El %1 descargado no es una base de datos</translation>
    </message>
    <message>
        <source>The downloaded %1 holds no drills</source>
        <translation>El %1 descargado no contiene ejercicios</translation>
    </message>
    <message>
        <source>The built-in drills were not changed: %1</source>
        <translation>No se cambiaron los ejercicios incluidos: %1</translation>
    </message>
    <message>
        <source>No temporary folder of your own: nothing was downloaded</source>
        <translation>No tienes una carpeta temporal propia: no se ha descargado nada</translation>
    </message>
    <message>
        <source>No update server is set</source>
        <translation>No hay ningún servidor de actualizaciones configurado</translation>
    </message>
    <message>
        <source>%1 could not be downloaded: %2</source>
        <translation>No se pudo descargar %1: %2</translation>
    </message>
    <message>
        <source>Not downloaded: the version file could not be used</source>
        <translation>No se descargó: no se pudo usar el archivo de versión</translation>
    </message>
    <message>
        <source>Version %1 is available</source>
        <translation>Está disponible la versión %1</translation>
    </message>
    <message>
        <source>New Version Downloaded</source>
        <translation>Nueva versión descargada</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>Versión %1</translation>
    </message>
    <message>
        <source>%1 was refused: the version file lists no SHA-256 sum for it</source>
        <translation>Se rechazó %1: el archivo de versión no indica su suma SHA-256</translation>
    </message>
    <message>
        <source>%1 was refused: its SHA-256 sum does not match the version file</source>
        <translation>Se rechazó %1: su suma SHA-256 no coincide con el archivo de versión</translation>
    </message>
    <message>
        <source>Pitchwise is up to date</source>
        <translation>Pitchwise está actualizado</translation>
    </message>
    <message>
        <source>System Drills Downloaded</source>
        <translation>Ejercicios del sistema descargados</translation>
    </message>
    <message>
        <source>%1 drills were added</source>
        <translation>Se han añadido %1 ejercicios</translation>
    </message>
    <message>
        <source>No file to update</source>
        <translation>No hay ningún archivo que actualizar</translation>
    </message>
    <message>
        <source>Cancelled: nothing was installed</source>
        <translation>Cancelado: no se ha instalado nada</translation>
    </message>
    <message>
        <source>Pitchwise closes to finish the update</source>
        <translation>Pitchwise se cierra para terminar la actualización</translation>
    </message>
    <message>
        <source>The update was not completed</source>
        <translation>La actualización no se completó</translation>
    </message>
    <message>
        <source>Download Error</source>
        <translation>Error de descarga</translation>
    </message>
    <message>
        <source>Pitchwise update was not completed because some files were not completely downloaded.</source>
        <translation>La actualización de Pitchwise no se completó porque algunos archivos no se descargaron por completo.</translation>
    </message>
    <message>
        <source>Pitchwise update was not completed because %1 was refused: its check failed.</source>
        <translation>La actualización de Pitchwise no se completó porque se rechazó %1: falló su comprobación.</translation>
    </message>
    <message>
        <source>%1 or %2 was not found after download</source>
        <translation>No se encontró %1 o %2 después de la descarga</translation>
    </message>
    <message>
        <source>%1 changed after its download</source>
        <translation>%1 cambió después de descargarse</translation>
    </message>
    <message>
        <source>Check For Updates</source>
        <translation>Buscar actualizaciones</translation>
    </message>
    <message>
        <source>The updater %1 could not be started. Pitchwise was not changed.</source>
        <translation>No se pudo iniciar el actualizador %1. Pitchwise no ha cambiado.</translation>
    </message>
    <message>
        <source>Pitchwise will now close so that the new version can be installed. It starts again by itself when the update is done.</source>
        <translation>Pitchwise se cerrará ahora para poder instalar la nueva versión. Volverá a abrirse solo cuando termine la actualización.</translation>
    </message>
    <message>
        <source>Pitchwise was installed from a system package. Updates come through your package manager.</source>
        <translation>Pitchwise se instaló desde un paquete del sistema. Las actualizaciones llegan a través de tu gestor de paquetes.</translation>
    </message>
</context>
<context>
    <name>cfgDialog</name>
    <message>
        <source>Configuration</source>
        <translation>Configuración</translation>
    </message>
    <message>
        <source>&amp;Database file</source>
        <translation>Archivo de &amp;base de datos</translation>
    </message>
    <message>
        <source>&amp;Browse...</source>
        <translation>&amp;Examinar...</translation>
    </message>
    <message>
        <source>Display Names</source>
        <translation>Mostrar nombres</translation>
    </message>
    <message>
        <source>Smith, John</source>
        <translation>García, Juan</translation>
    </message>
    <message>
        <source>Smith, J</source>
        <translation>García, J</translation>
    </message>
    <message>
        <source>John S.</source>
        <translation>Juan G.</translation>
    </message>
    <message>
        <source>Team Logo Icon</source>
        <translation>Escudo del equipo</translation>
    </message>
    <message>
        <source>&amp;Pick Logo</source>
        <translation>E&amp;legir escudo</translation>
    </message>
    <message>
        <source>Email Server Information</source>
        <translation>Servidor de correo electrónico</translation>
    </message>
    <message>
        <source>&amp;Server Name</source>
        <translation>Nombre del &amp;servidor</translation>
    </message>
    <message>
        <source>&amp;User Name</source>
        <translation>Nombre de &amp;usuario</translation>
    </message>
    <message>
        <source>P&amp;assword</source>
        <translation>&amp;Contraseña</translation>
    </message>
    <message>
        <source>&amp;Confirm Password</source>
        <translation>C&amp;onfirmar contraseña</translation>
    </message>
    <message>
        <source>Debug &amp;Email</source>
        <translation>&amp;Depurar correo</translation>
    </message>
    <message>
        <source>Allow u&amp;nencrypted connection</source>
        <translation>Permitir conexión si&amp;n cifrar</translation>
    </message>
    <message>
        <source>Only for a club server that offers no encryption: the password then travels unprotected.</source>
        <translation>Solo para un servidor del club que no ofrece cifrado: la contraseña viaja entonces sin protección.</translation>
    </message>
    <message>
        <source>Keep exported calendar up to date</source>
        <translation>Mantener actualizado el calendario exportado</translation>
    </message>
    <message>
        <source>After every change to a team&apos;s games or practices, its last exported calendar file is written again.</source>
        <translation>Tras cada cambio en los partidos o entrenamientos de un equipo, se vuelve a escribir el último archivo de calendario exportado.</translation>
    </message>
    <message>
        <source>Backups to &amp;keep</source>
        <translation>Copias de seguridad que conse&amp;rvar</translation>
    </message>
    <message>
        <source>How many automatic backups stay in the Backups folder beside the database; the oldest go first.</source>
        <translation>Cuántas copias de seguridad automáticas se guardan en la carpeta Backups junto a la base de datos; las más antiguas se borran primero.</translation>
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
    <name>pw::BracketView</name>
    <message>
        <source>Bracket</source>
        <translation>Cuadro</translation>
    </message>
    <message>
        <source>empty</source>
        <translation>vacío</translation>
    </message>
    <message>
        <source>Round %1, game %2: %3</source>
        <translation>Ronda %1, partido %2: %3</translation>
    </message>
    <message>
        <source>Winner: %1</source>
        <translation>Ganador: %1</translation>
    </message>
    <message>
        <source>Round %1, position %2: %3</source>
        <translation>Ronda %1, posición %2: %3</translation>
    </message>
</context>
<context>
    <name>pw::CaptainGamesModel</name>
    <message>
        <source>Game</source>
        <translation>Partido</translation>
    </message>
</context>
<context>
    <name>pw::CheckUpdates</name>
    <message>
        <source>Check For Updates</source>
        <translation>Buscar actualizaciones</translation>
    </message>
    <message>
        <source>Pitchwise found no temporary folder that only you can use, so nothing can be downloaded.</source>
        <translation>Pitchwise no encontró ninguna carpeta temporal que solo puedas usar tú, así que no se puede descargar nada.</translation>
    </message>
    <message>
        <source>Pitchwise found no temporary folder that only you can use, so nothing can be downloaded.

%1</source>
        <translation>Pitchwise no encontró ninguna carpeta temporal que solo puedas usar tú, así que no se puede descargar nada.

%1</translation>
    </message>
    <message>
        <source>Pitchwise looks on your club&apos;s update server for a newer version of the program and for the newest built-in drills. Drills you made yourself, and everything else you entered, stay as they are. Press Check to begin.</source>
        <translation>Pitchwise busca en el servidor de actualizaciones de tu club una versión más reciente del programa y los ejercicios incluidos más recientes. Los ejercicios que hayas creado tú y todo lo demás que hayas introducido se quedan como están. Pulsa Buscar para empezar.</translation>
    </message>
    <message>
        <source>Update steps</source>
        <translation>Pasos de la actualización</translation>
    </message>
    <message>
        <source>Download progress</source>
        <translation>Progreso de la descarga</translation>
    </message>
    <message>
        <source>Cancel is pending</source>
        <translation>Cancelación pendiente</translation>
    </message>
    <message>
        <source>&amp;Check</source>
        <translation>&amp;Buscar</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Check for a new version of Pitchwise</source>
        <translation>Buscar una nueva versión de Pitchwise</translation>
    </message>
    <message>
        <source>Download the new version and its updater</source>
        <translation>Descargar la nueva versión y su actualizador</translation>
    </message>
    <message>
        <source>Download the newest built-in drills</source>
        <translation>Descargar los ejercicios incluidos más recientes</translation>
    </message>
    <message>
        <source>Finish the update</source>
        <translation>Terminar la actualización</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
</context>
<context>
    <name>pw::DrillBench</name>
    <message>
        <source>The Bench</source>
        <translation>El banquillo</translation>
    </message>
    <message>
        <source>Drop a marker here to take it off the field</source>
        <translation>Suelta aquí un marcador para quitarlo del campo</translation>
    </message>
</context>
<context>
    <name>pw::DrillField</name>
    <message>
        <source>column %1, row %2</source>
        <translation>columna %1, fila %2</translation>
    </message>
    <message>
        <source>Drill field</source>
        <translation>Campo del ejercicio</translation>
    </message>
    <message>
        <source>Page Up and Page Down pick a marker, the arrow keys move it, Delete puts it on the bench; the mouse draws lines.</source>
        <translation>Re Pág y Av Pág eligen un marcador, las flechas lo mueven y Supr lo manda al banquillo; con el ratón se dibujan líneas.</translation>
    </message>
    <message>
        <source>Unknown marker</source>
        <translation>Marcador desconocido</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <translation>%1 %2</translation>
    </message>
    <message>
        <source>arrow</source>
        <translation>flecha</translation>
    </message>
    <message>
        <source>curve</source>
        <translation>curva</translation>
    </message>
    <message>
        <source>line</source>
        <translation>línea</translation>
    </message>
    <message>
        <source>run</source>
        <translation>carrera</translation>
    </message>
    <message>
        <source>pass</source>
        <translation>pase</translation>
    </message>
    <message>
        <source>%1 %2 %3</source>
        <translation>%1 %2 %3</translation>
    </message>
    <message>
        <source>from %1 to %2</source>
        <translation>de %1 a %2</translation>
    </message>
</context>
<context>
    <name>pw::EditWindow</name>
    <message>
        <source>Save Data</source>
        <translation>Guardar datos</translation>
    </message>
    <message>
        <source>Do you want to save your changes?</source>
        <translation>¿Quieres guardar los cambios?</translation>
    </message>
</context>
<context>
    <name>pw::FeeModel</name>
    <message>
        <source>Player Name</source>
        <translation>Jugador</translation>
    </message>
    <message>
        <source>Amount Paid</source>
        <translation>Importe pagado</translation>
    </message>
</context>
<context>
    <name>pw::FieldConfig</name>
    <message>
        <source>Print Preview</source>
        <translation>Vista previa de impresión</translation>
    </message>
    <message>
        <source>of %1</source>
        <translation>de %1</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Imprimir</translation>
    </message>
    <message>
        <source>Save as PDF…</source>
        <translation>Guardar como PDF…</translation>
    </message>
    <message>
        <source>Prev</source>
        <translation>Anterior</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>Siguiente</translation>
    </message>
    <message>
        <source>Page:</source>
        <translation>Página:</translation>
    </message>
    <message>
        <source>Zoom</source>
        <translation>Zoom</translation>
    </message>
    <message>
        <source>Fit Width</source>
        <translation>Ajustar al ancho</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
    <message>
        <source>No printer is installed on this computer. Use &quot;Save as PDF…&quot; in the preview to keep the printout as a file and print it elsewhere.</source>
        <translation>No hay ninguna impresora instalada en este ordenador. Usa &quot;Guardar como PDF…&quot; en la vista previa para guardar la impresión como archivo e imprimirla en otro sitio.</translation>
    </message>
    <message>
        <source>Save as PDF</source>
        <translation>Guardar como PDF</translation>
    </message>
    <message>
        <source>PDF Files (*.pdf)|*.pdf</source>
        <translation>Archivos PDF (*.pdf)|*.pdf</translation>
    </message>
    <message>
        <source>Do you want to see a preview of the printout?</source>
        <translation>¿Quieres ver una vista previa de la impresión?</translation>
    </message>
</context>
<context>
    <name>pw::FieldView</name>
    <message>
        <source>Field</source>
        <translation>Campo</translation>
    </message>
    <message>
        <source>Place %1 in period %2</source>
        <translation>Puesto %1 en el periodo %2</translation>
    </message>
    <message>
        <source>Captain %1, %2</source>
        <translation>Capitán %1, %2</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>Lock</source>
        <translation>Fijar</translation>
    </message>
    <message>
        <source>%1, locked</source>
        <translation>%1, fijado</translation>
    </message>
</context>
<context>
    <name>pw::GameSetup</name>
    <message>
        <source>Period %1</source>
        <translation>Periodo %1</translation>
    </message>
    <message>
        <source>1st Period</source>
        <translation>1.er periodo</translation>
    </message>
    <message>
        <source>2nd Period</source>
        <translation>2.º periodo</translation>
    </message>
    <message>
        <source>3rd Period</source>
        <translation>3.er periodo</translation>
    </message>
    <message>
        <source>4th Period</source>
        <translation>4.º periodo</translation>
    </message>
    <message>
        <source>Lineup for %1</source>
        <translation>Alineación para %1</translation>
    </message>
    <message>
        <source>Save Data</source>
        <translation>Guardar datos</translation>
    </message>
    <message>
        <source>Data has been change, do you want to save it?</source>
        <translation>Los datos han cambiado, ¿quieres guardarlos?</translation>
    </message>
    <message>
        <source>Roster</source>
        <translation>Plantilla</translation>
    </message>
    <message>
        <source>Note</source>
        <translation>Nota</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Guardar</translation>
    </message>
    <message>
        <source>&amp;Game</source>
        <translation>&amp;Partido</translation>
    </message>
    <message>
        <source>&amp;Save Setup</source>
        <translation>&amp;Guardar alineación</translation>
    </message>
    <message>
        <source>&amp;Delete Setup</source>
        <translation>&amp;Borrar alineación</translation>
    </message>
    <message>
        <source>Lineup for game %1</source>
        <translation>Alineación del partido %1</translation>
    </message>
    <message>
        <source>Stat Sheet</source>
        <translation>Hoja de estadísticas</translation>
    </message>
    <message>
        <source>&amp;Print</source>
        <translation>&amp;Imprimir</translation>
    </message>
    <message>
        <source>Lineup</source>
        <translation>Alineación</translation>
    </message>
    <message>
        <source>Pre&amp;view</source>
        <translation>&amp;Vista previa</translation>
    </message>
    <message>
        <source>Game &amp;Notes</source>
        <translation>&amp;Notas del partido</translation>
    </message>
    <message>
        <source>&amp;Captain History</source>
        <translation>&amp;Historial de capitanes</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Salir</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Copiar</translation>
    </message>
    <message>
        <source>Mark as Captain</source>
        <translation>Nombrar capitán</translation>
    </message>
    <message>
        <source>Available</source>
        <translation>Disponible</translation>
    </message>
    <message>
        <source>NOT available</source>
        <translation>NO disponible</translation>
    </message>
    <message>
        <source>Play Time History</source>
        <translation>Historial de tiempo de juego</translation>
    </message>
    <message>
        <source>Player</source>
        <translation>Jugador</translation>
    </message>
    <message>
        <source>Move %1</source>
        <translation>Mover a %1</translation>
    </message>
    <message>
        <source>Player Placement</source>
        <translation>Colocación de jugadores</translation>
    </message>
    <message>
        <source>All players have been placed.</source>
        <translation>Ya están colocados todos los jugadores.</translation>
    </message>
    <message>
        <source>Place %1</source>
        <translation>Colocar a %1</translation>
    </message>
    <message>
        <source>Take off %1</source>
        <translation>Sacar a %1</translation>
    </message>
    <message>
        <source>Copy %1</source>
        <translation>Copiar %1</translation>
    </message>
    <message>
        <source>Unmark as Captain</source>
        <translation>Quitar la capitanía</translation>
    </message>
    <message>
        <source>Play Time History for: %1</source>
        <translation>Historial de tiempo de juego de: %1</translation>
    </message>
    <message>
        <source>Suggest Line-up</source>
        <translation>Proponer alineación</translation>
    </message>
    <message>
        <source>Re-plan from Period %1</source>
        <translation>Replanificar desde el periodo %1</translation>
    </message>
</context>
<context>
    <name>pw::HelpWindow</name>
    <message>
        <source>Pitchwise Help</source>
        <translation>Ayuda de Pitchwise</translation>
    </message>
    <message>
        <source>&amp;Contents</source>
        <translation>&amp;Contenido</translation>
    </message>
    <message>
        <source>&amp;Index</source>
        <translation>Í&amp;ndice</translation>
    </message>
    <message>
        <source>&amp;Search</source>
        <translation>&amp;Buscar</translation>
    </message>
    <message>
        <source>&amp;Type the keyword to find:</source>
        <translation>&amp;Escribe la palabra que buscas:</translation>
    </message>
    <message>
        <source>&amp;Words to search for:</source>
        <translation>&amp;Palabras que buscar:</translation>
    </message>
    <message>
        <source>&amp;List Topics</source>
        <translation>&amp;Mostrar temas</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Atrás</translation>
    </message>
    <message>
        <source>Forward</source>
        <translation>Adelante</translation>
    </message>
    <message>
        <source>No topics found.</source>
        <translation>No se encontró ningún tema.</translation>
    </message>
</context>
<context>
    <name>pw::LineupBoard</name>
    <message>
        <source>No Period Selected</source>
        <translation>No hay periodo seleccionado</translation>
    </message>
    <message>
        <source>Player Not Available</source>
        <translation>Jugador no disponible</translation>
    </message>
    <message>
        <source>Player already selected</source>
        <translation>El jugador ya está seleccionado</translation>
    </message>
</context>
<context>
    <name>pw::LineupModel</name>
    <message>
        <source>Player</source>
        <translation>Jugador</translation>
    </message>
    <message>
        <source>Totals</source>
        <translation>Totales</translation>
    </message>
    <message>
        <source>Not available in period %1</source>
        <translation>No disponible en el periodo %1</translation>
    </message>
    <message>
        <source>not available</source>
        <translation>no disponible</translation>
    </message>
</context>
<context>
    <name>pw::MailRun</name>
    <message>
        <source>sending was cancelled</source>
        <translation>se canceló el envío</translation>
    </message>
    <message>
        <source>the mail server %1 did not answer within %2 seconds</source>
        <translation>el servidor de correo %1 no respondió en %2 segundos</translation>
    </message>
    <message>
        <source>the mailer failed (code %1)</source>
        <translation>falló el programa de correo (código %1)</translation>
    </message>
</context>
<context>
    <name>pw::MainForm</name>
    <message>
        <source>Pitchwise</source>
        <translation>Pitchwise</translation>
    </message>
    <message>
        <source>Main</source>
        <translation>Principal</translation>
    </message>
    <message>
        <source>More commands</source>
        <translation>Más comandos</translation>
    </message>
    <message>
        <source>Teams and games</source>
        <translation>Equipos y partidos</translation>
    </message>
    <message>
        <source>Roster</source>
        <translation>Plantilla</translation>
    </message>
    <message>
        <source>Player games</source>
        <translation>Partidos del jugador</translation>
    </message>
    <message>
        <source>Team Totals:</source>
        <translation>Totales del equipo:</translation>
    </message>
    <message>
        <source>Opponent:</source>
        <translation>Rival:</translation>
    </message>
    <message>
        <source>Score:</source>
        <translation>Resultado:</translation>
    </message>
    <message>
        <source>Score of Selected Game</source>
        <translation>Resultado del partido seleccionado</translation>
    </message>
    <message>
        <source>Record: 0 - 0 - 0</source>
        <translation>Balance: 0 - 0 - 0</translation>
    </message>
    <message>
        <source>Win/Loss Record</source>
        <translation>Balance de victorias y derrotas</translation>
    </message>
    <message>
        <source>Point Total: 0</source>
        <translation>Total de puntos: 0</translation>
    </message>
    <message>
        <source>Point Total for Standings</source>
        <translation>Total de puntos para la clasificación</translation>
    </message>
    <message>
        <source>Players: </source>
        <translation>Jugadores: </translation>
    </message>
    <message>
        <source>Player Count</source>
        <translation>Número de jugadores</translation>
    </message>
    <message>
        <source>Point Values</source>
        <translation>Valores de puntos</translation>
    </message>
    <message>
        <source>The points for a win, a tie and a loss of this team (&quot;%1&quot;) are not three whole numbers, so they count as 0. Correct them in the team information.</source>
        <translation>Los puntos por victoria, empate y derrota de este equipo (&quot;%1&quot;) no son tres números enteros, así que cuentan como 0. Corrígelos en la información del equipo.</translation>
    </message>
    <message>
        <source>Player Count: %1</source>
        <translation>Número de jugadores: %1</translation>
    </message>
    <message>
        <source>Opponent: %1</source>
        <translation>Rival: %1</translation>
    </message>
    <message>
        <source>Score: %1</source>
        <translation>Resultado: %1</translation>
    </message>
    <message>
        <source>Player games: %1</source>
        <translation>Partidos del jugador: %1</translation>
    </message>
    <message>
        <source>No Game Selected</source>
        <translation>No hay partido seleccionado</translation>
    </message>
    <message>
        <source>Select the game in which to add statistics.</source>
        <translation>Selecciona el partido al que quieres añadir estadísticas.</translation>
    </message>
    <message>
        <source>Invalid URL</source>
        <translation>URL no válida</translation>
    </message>
    <message>
        <source>Unable to open Standings page.</source>
        <translation>No se puede abrir la página de la clasificación.</translation>
    </message>
    <message>
        <source>Shots:</source>
        <translation>Tiros:</translation>
    </message>
    <message>
        <source>Goals:</source>
        <translation>Goles:</translation>
    </message>
    <message>
        <source>Steals:</source>
        <translation>Robos:</translation>
    </message>
    <message>
        <source>Assists:</source>
        <translation>Asistencias:</translation>
    </message>
    <message>
        <source>Shots on Goal:</source>
        <translation>Tiros a puerta:</translation>
    </message>
    <message>
        <source>OverShot:</source>
        <translation>Fuera:</translation>
    </message>
    <message>
        <source>Blocks:</source>
        <translation>Paradas:</translation>
    </message>
</context>
<context>
    <name>pw::MarkerPaletteItem</name>
    <message>
        <source>Enter places one in the middle of the field; drag it onto the field to place it.</source>
        <translation>Intro coloca uno en el centro del campo; arrástralo al campo para colocarlo.</translation>
    </message>
</context>
<context>
    <name>pw::NewTeamWiz</name>
    <message>
        <source>General Information</source>
        <translation>Información general</translation>
    </message>
    <message>
        <source>Session Information</source>
        <translation>Información de la temporada</translation>
    </message>
    <message>
        <source>Tracking Information</source>
        <translation>Información de seguimiento</translation>
    </message>
    <message>
        <source>Coaches information</source>
        <translation>Información de los entrenadores</translation>
    </message>
    <message>
        <source>Training Information</source>
        <translation>Información de los entrenamientos</translation>
    </message>
    <message>
        <source>Reporting Information</source>
        <translation>Información de resultados</translation>
    </message>
    <message>
        <source>Fill in the information about the team in general.</source>
        <translation>Rellena la información general del equipo.</translation>
    </message>
    <message>
        <source>League:</source>
        <translation>Liga:</translation>
    </message>
    <message>
        <source>(REQUIRED) The name of the association to which your team belongs.</source>
        <translation>(OBLIGATORIO) El nombre de la federación o asociación a la que pertenece tu equipo.</translation>
    </message>
    <message>
        <source>Team Name:</source>
        <translation>Nombre del equipo:</translation>
    </message>
    <message>
        <source>(REQUIRED) The name your team is know by in the association</source>
        <translation>(OBLIGATORIO) El nombre con el que se conoce a tu equipo en la liga</translation>
    </message>
    <message>
        <source>Club Name:</source>
        <translation>Club:</translation>
    </message>
    <message>
        <source>(REQUIRED) The name of your team, could be a sponser&apos;s name or one you make up.</source>
        <translation>(OBLIGATORIO) El nombre de tu equipo; puede ser el de un patrocinador o uno inventado.</translation>
    </message>
    <message>
        <source>Standings:</source>
        <translation>Clasificación:</translation>
    </message>
    <message>
        <source>The address of a web-site that shows your teams standings.</source>
        <translation>La dirección de una web que muestra la clasificación de tu equipo.</translation>
    </message>
    <message>
        <source>Home Page:</source>
        <translation>Página web:</translation>
    </message>
    <message>
        <source>The address of your associations web-site.</source>
        <translation>La dirección de la web de tu federación o asociación.</translation>
    </message>
    <message>
        <source>Tournament Play:</source>
        <translation>Torneos:</translation>
    </message>
    <message>
        <source>Check if your team will participate in one or more tournaments.</source>
        <translation>Márcalo si tu equipo va a jugar uno o más torneos.</translation>
    </message>
    <message>
        <source>This information is about the current session.</source>
        <translation>Esta información es de la temporada actual.</translation>
    </message>
    <message>
        <source>Season/Session:</source>
        <translation>Temporada:</translation>
    </message>
    <message>
        <source>(REQUIRED) Although it is not critical, it is required to distinguish this team from another in the same league and with the same name.</source>
        <translation>(OBLIGATORIO) Aunque no es fundamental, hace falta para distinguir este equipo de otro de la misma liga y con el mismo nombre.</translation>
    </message>
    <message>
        <source>All other data is self-explanatory and is required.</source>
        <translation>Los demás datos se explican solos y son obligatorios.</translation>
    </message>
    <message>
        <source>Fill in the information about team colors and how to deal with captains.</source>
        <translation>Rellena la información de los colores del equipo y de cómo llevar los capitanes.</translation>
    </message>
    <message>
        <source>You can decide to have different captains for each game, or 1 set of captains for the entire season.</source>
        <translation>Puedes elegir capitanes distintos para cada partido o un grupo de capitanes para toda la temporada.</translation>
    </message>
    <message>
        <source>Fill in the information about the Head Coach and the assistants</source>
        <translation>Rellena la información del primer entrenador y de los ayudantes</translation>
    </message>
    <message>
        <source>the Head Coach and Head Coach Phone number is REQUIRED.</source>
        <translation>El nombre y el teléfono del primer entrenador son OBLIGATORIOS.</translation>
    </message>
    <message>
        <source>If you supply any assistance coaches names, you must specify a phone number for that coach.</source>
        <translation>Si indicas el nombre de algún ayudante, tienes que poner también su teléfono.</translation>
    </message>
    <message>
        <source>This information will be printed on the schedule and other documents that are sent out.</source>
        <translation>Esta información se imprimirá en el calendario y en otros documentos que se reparten.</translation>
    </message>
    <message>
        <source>When a check is placed by the day of the week, the textbox to the right is enabled and you can enter a time.</source>
        <translation>Al marcar un día de la semana se activa la casilla de la derecha y puedes escribir una hora.</translation>
    </message>
    <message>
        <source>Some associations/clubs prefer that game results be E-mailed to a particular person. Enter the E-mail address of the person you need send this information to.</source>
        <translation>Algunas federaciones o clubes prefieren que los resultados se envíen por correo a una persona concreta. Escribe la dirección de correo de la persona a la que debes enviar esta información.</translation>
    </message>
    <message>
        <source>In a point system, points are awarded for each win, tie, and loss. Enter the points your association/club awards for these outcomes.</source>
        <translation>En un sistema de puntos se dan puntos por cada victoria, empate y derrota. Escribe los puntos que da tu federación o club por cada resultado.</translation>
    </message>
    <message>
        <source>New Team Wizard</source>
        <translation>Asistente de nuevo equipo</translation>
    </message>
    <message>
        <source>&lt; Back</source>
        <translation>&lt; Atrás</translation>
    </message>
    <message>
        <source>Next &gt;</source>
        <translation>Siguiente &gt;</translation>
    </message>
    <message>
        <source>Finish</source>
        <translation>Finalizar</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Missing Data</source>
        <translation>Faltan datos</translation>
    </message>
    <message>
        <source>Critical Data for %1 is missing.</source>
        <translation>Faltan datos fundamentales de %1.</translation>
    </message>
    <message>
        <source>Critical data is missing for: %1</source>
        <translation>Faltan datos fundamentales de: %1</translation>
    </message>
    <message>
        <source>Some required fields in the %1 section has not been completed.
Check the information to the left and fill in the missing data.
You will be able to change this information from within Pitchwise.</source>
        <translation>Faltan por completar algunos campos obligatorios de la sección %1.
Revisa la información de la izquierda y rellena los datos que faltan.
Podrás cambiar esta información desde Pitchwise.</translation>
    </message>
    <message>
        <source>If you cancel now, Pitchwise will not start and at the next startup, you will have to re-enter all information.
Are you sure you want to cancel?</source>
        <translation>Si cancelas ahora, Pitchwise no se abrirá y la próxima vez que lo inicies tendrás que volver a introducir toda la información.
¿Seguro que quieres cancelar?</translation>
    </message>
    <message>
        <source>The new team will not be saved.
Are you sure you want to cancel?</source>
        <translation>El nuevo equipo no se guardará.
¿Seguro que quieres cancelar?</translation>
    </message>
    <message>
        <source>Confirm Cancel</source>
        <translation>Confirmar cancelación</translation>
    </message>
</context>
<context>
    <name>pw::NoteListModel</name>
    <message>
        <source>Date</source>
        <translation>Fecha</translation>
    </message>
    <message>
        <source>Subject</source>
        <translation>Asunto</translation>
    </message>
    <message>
        <source>Date Sent</source>
        <translation>Fecha de envío</translation>
    </message>
    <message>
        <source>Email</source>
        <translation>Correo</translation>
    </message>
</context>
<context>
    <name>pw::Notes</name>
    <message>
        <source>%1: %2 (%3)</source>
        <translation>%1: %2 (%3)</translation>
    </message>
    <message>
        <source>the player&apos;s E-Mail</source>
        <translation>el correo electrónico del jugador</translation>
    </message>
    <message>
        <source>the mother&apos;s E-Mail</source>
        <translation>el correo electrónico de la madre</translation>
    </message>
    <message>
        <source>the father&apos;s E-Mail</source>
        <translation>el correo electrónico del padre</translation>
    </message>
    <message>
        <source>Coach %1</source>
        <translation>Entrenador %1</translation>
    </message>
    <message>
        <source>the coach&apos;s Email</source>
        <translation>el correo electrónico del entrenador</translation>
    </message>
    <message>
        <source>the assistant coach&apos;s Email</source>
        <translation>el correo electrónico del ayudante</translation>
    </message>
    <message>
        <source>Results of %1 %2 %3 %4</source>
        <translation>Resultado de %1 %2 %3 %4</translation>
    </message>
    <message>
        <source>Please respond to this E-mail to verify that you received this information.</source>
        <translation>Por favor, responde a este correo para confirmar que has recibido esta información.</translation>
    </message>
    <message>
        <source>Game Date:</source>
        <translation>Fecha del partido:</translation>
    </message>
    <message>
        <source>Division:</source>
        <translation>Categoría:</translation>
    </message>
    <message>
        <source>Team:</source>
        <translation>Equipo:</translation>
    </message>
    <message>
        <source>Coach:</source>
        <translation>Entrenador:</translation>
    </message>
    <message>
        <source>Score:</source>
        <translation>Goles:</translation>
    </message>
    <message>
        <source>Opposing Team:</source>
        <translation>Equipo rival:</translation>
    </message>
    <message>
        <source>Opposing Coach:</source>
        <translation>Entrenador rival:</translation>
    </message>
    <message>
        <source>Opposing Team score:</source>
        <translation>Goles del rival:</translation>
    </message>
    <message>
        <source>Thanks,</source>
        <translation>Gracias,</translation>
    </message>
</context>
<context>
    <name>pw::PageView</name>
    <message>
        <source>Page</source>
        <translation>Página</translation>
    </message>
</context>
<context>
    <name>pw::PeriodThumb</name>
    <message>
        <source>Period %1</source>
        <translation>Periodo %1</translation>
    </message>
    <message>
        <source>Period %1, locked</source>
        <translation>Periodo %1, fijado</translation>
    </message>
    <message>
        <source>Lock Period</source>
        <translation>Fijar periodo</translation>
    </message>
</context>
<context>
    <name>pw::PlayerGamesModel</name>
    <message>
        <source>Opponent</source>
        <translation>Rival</translation>
    </message>
    <message>
        <source>Qtrs</source>
        <translation>Per.</translation>
    </message>
    <message>
        <source>Avail</source>
        <translation>Disp.</translation>
    </message>
    <message>
        <source>Shots</source>
        <translation>Tiros</translation>
    </message>
    <message>
        <source>Goals</source>
        <translation>Goles</translation>
    </message>
    <message>
        <source>Blks/Stls</source>
        <translation>Bloq./Robos</translation>
    </message>
    <message>
        <source>Assists</source>
        <translation>Asist.</translation>
    </message>
    <message>
        <source>SOG</source>
        <translation>TAP</translation>
    </message>
    <message>
        <source>GA</source>
        <translation>GC</translation>
    </message>
    <message>
        <source>Blocks</source>
        <translation>Paradas</translation>
    </message>
    <message>
        <source>OverShot</source>
        <translation>Fuera</translation>
    </message>
</context>
<context>
    <name>pw::PlayerInfo</name>
    <message>
        <source>Player Information</source>
        <translation>Información del jugador</translation>
    </message>
    <message>
        <source>Save Data</source>
        <translation>Guardar datos</translation>
    </message>
    <message>
        <source>Changes have been made, Do you want to save them?</source>
        <translation>Se han hecho cambios. ¿Quieres guardarlos?</translation>
    </message>
    <message>
        <source>Player:</source>
        <translation>Jugador:</translation>
    </message>
    <message>
        <source>Player No:</source>
        <translation>N.º de jugador:</translation>
    </message>
    <message>
        <source>Player</source>
        <translation>Jugador</translation>
    </message>
    <message>
        <source>Add Player</source>
        <translation>Añadir jugador</translation>
    </message>
    <message>
        <source>Delete Player</source>
        <translation>Eliminar jugador</translation>
    </message>
    <message>
        <source>Import Player</source>
        <translation>Importar jugador</translation>
    </message>
    <message>
        <source>A jersey number is a whole number from 0 to 32767.</source>
        <translation>El dorsal es un número entero entre 0 y 32767.</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Guardar</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
    <message>
        <source>Print Preview</source>
        <translation>Vista previa</translation>
    </message>
    <message>
        <source>Copy Player to:</source>
        <translation>Copiar jugador a:</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Copiar</translation>
    </message>
    <message>
        <source>More &gt;</source>
        <translation>Más &gt;</translation>
    </message>
    <message>
        <source>Items to work on</source>
        <translation>Aspectos a mejorar</translation>
    </message>
    <message>
        <source>Move Up</source>
        <translation>Subir</translation>
    </message>
    <message>
        <source>Move Down</source>
        <translation>Bajar</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Añadir</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Quitar</translation>
    </message>
    <message>
        <source>Update</source>
        <translation>Actualizar</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Imprimir</translation>
    </message>
    <message>
        <source>Player Notes</source>
        <translation>Notas del jugador</translation>
    </message>
    <message>
        <source>Player Name</source>
        <translation>Jugador</translation>
    </message>
    <message>
        <source>A player needs a last name before it can be saved.</source>
        <translation>Un jugador necesita apellidos para poder guardarlo.</translation>
    </message>
    <message>
        <source>The player&apos;s E-Mail</source>
        <translation>El correo electrónico del jugador</translation>
    </message>
    <message>
        <source>The mother&apos;s E-Mail</source>
        <translation>El correo electrónico de la madre</translation>
    </message>
    <message>
        <source>The father&apos;s E-Mail</source>
        <translation>El correo electrónico del padre</translation>
    </message>
    <message>
        <source>Update information</source>
        <translation>Actualizar información</translation>
    </message>
    <message>
        <source>Notes have been changed, but not updated. Do you want to update it now?</source>
        <translation>Las notas han cambiado pero no se han actualizado. ¿Quieres actualizarlas ahora?</translation>
    </message>
    <message>
        <source>Enter the new player&apos;s LAST name.</source>
        <translation>Escribe los APELLIDOS del nuevo jugador.</translation>
    </message>
    <message>
        <source>Enter the new player&apos;s FIRST name.</source>
        <translation>Escribe el NOMBRE del nuevo jugador.</translation>
    </message>
    <message>
        <source>Confirm Delete</source>
        <translation>Confirmar eliminación</translation>
    </message>
    <message>
        <source>Are you sure you want to delete %1?</source>
        <translation>¿Seguro que quieres eliminar a %1?</translation>
    </message>
    <message>
        <source>Copy Player</source>
        <translation>Copiar jugador</translation>
    </message>
    <message>
        <source>%1 has been copied to %2.</source>
        <translation>%1 se ha copiado a %2.</translation>
    </message>
    <message>
        <source>Improvement Item</source>
        <translation>Aspecto a mejorar</translation>
    </message>
    <message>
        <source>Enter the item that needs improvement.</source>
        <translation>Escribe el aspecto que tiene que mejorar.</translation>
    </message>
    <message>
        <source>&lt; Less</source>
        <translation>&lt; Menos</translation>
    </message>
</context>
<context>
    <name>pw::PracticeCellDelegate</name>
    <message>
        <source>&amp;Techniques</source>
        <translation>&amp;Técnica</translation>
    </message>
    <message>
        <source>T&amp;actics</source>
        <translation>T&amp;áctica</translation>
    </message>
    <message>
        <source>Coach</source>
        <translation>Entrenador</translation>
    </message>
</context>
<context>
    <name>pw::PracticeModel</name>
    <message>
        <source>Second group of the %1 slot</source>
        <translation>Segundo grupo del turno de las %1</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Hora</translation>
    </message>
    <message>
        <source>Drill/Evolution</source>
        <translation>Ejercicio/Variante</translation>
    </message>
    <message>
        <source>Description</source>
        <translation>Descripción</translation>
    </message>
    <message>
        <source>Discipline</source>
        <translation>Aspecto</translation>
    </message>
    <message>
        <source>Coach</source>
        <translation>Entrenador</translation>
    </message>
    <message>
        <source>Agenda Item</source>
        <translation>Punto del orden del día</translation>
    </message>
    <message>
        <source>Notes</source>
        <translation>Notas</translation>
    </message>
</context>
<context>
    <name>pw::ReplanDialog</name>
    <message>
        <source>Re-plan</source>
        <translation>Replanificar</translation>
    </message>
    <message>
        <source>No longer available</source>
        <translation>Ya no disponible</translation>
    </message>
    <message>
        <source>Nobody</source>
        <translation>Nadie</translation>
    </message>
    <message>
        <source>&amp;No longer available:</source>
        <translation>&amp;Ya no disponible:</translation>
    </message>
    <message>
        <source>&amp;From period:</source>
        <translation>&amp;Desde el periodo:</translation>
    </message>
</context>
<context>
    <name>pw::RestoreWindow</name>
    <message>
        <source>Pitchwise Database (*.db)|*.db|All Files (*.*)|*.*</source>
        <translation>Base de datos de Pitchwise (*.db)|*.db|Todos los archivos (*.*)|*.*</translation>
    </message>
    <message>
        <source>Made</source>
        <translation>Hecha</translation>
    </message>
    <message>
        <source>Reason</source>
        <translation>Motivo</translation>
    </message>
    <message>
        <source>Back Up Now</source>
        <translation>Copia de seguridad ahora</translation>
    </message>
    <message>
        <source>Pitchwise %1.db</source>
        <translation>Pitchwise %1.db</translation>
    </message>
    <message>
        <source>Back Up Database</source>
        <translation>Copia de seguridad de la base de datos</translation>
    </message>
    <message>
        <source>The database was backed up to %1.</source>
        <translation>Se ha hecho una copia de seguridad de la base de datos en %1.</translation>
    </message>
    <message>
        <source>Restore</source>
        <translation>Restaurar</translation>
    </message>
    <message>
        <source>Automatic backups</source>
        <translation>Copias de seguridad automáticas</translation>
    </message>
    <message>
        <source>&amp;Restore</source>
        <translation>&amp;Restaurar</translation>
    </message>
    <message>
        <source>&amp;Choose File…</source>
        <translation>&amp;Elegir archivo…</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
    <message>
        <source>the backup of %1 (%2)</source>
        <translation>la copia de seguridad del %1 (%2)</translation>
    </message>
    <message>
        <source>Restore From Backup</source>
        <translation>Restaurar desde copia de seguridad</translation>
    </message>
    <message>
        <source>Replace the open database by %1?

The database as it is now is backed up first; that backup is listed in this window.</source>
        <translation>¿Reemplazar la base de datos abierta por %1?

Antes se hace una copia de seguridad de la base de datos tal como está ahora; esa copia aparece en esta ventana.</translation>
    </message>
    <message>
        <source>The database was restored from %1.</source>
        <translation>Se ha restaurado la base de datos desde %1.</translation>
    </message>
</context>
<context>
    <name>pw::RosterImportWindow</name>
    <message>
        <source>Line</source>
        <translation>Línea</translation>
    </message>
    <message>
        <source>Problem</source>
        <translation>Problema</translation>
    </message>
    <message>
        <source>Action</source>
        <translation>Acción</translation>
    </message>
    <message>
        <source>Not imported</source>
        <translation>No importado</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Añadir</translation>
    </message>
    <message>
        <source>Skip</source>
        <translation>Omitir</translation>
    </message>
    <message>
        <source>Update (no change)</source>
        <translation>Actualizar (sin cambios)</translation>
    </message>
    <message>
        <source>Update</source>
        <translation>Actualizar</translation>
    </message>
    <message>
        <source>Import Roster</source>
        <translation>Importar plantilla</translation>
    </message>
    <message>
        <source>Import the players read from the file before closing?</source>
        <translation>¿Importar los jugadores leídos del archivo antes de cerrar?</translation>
    </message>
    <message>
        <source>Cannot read %1: %2</source>
        <translation>No se puede leer %1: %2</translation>
    </message>
    <message>
        <source>Column %1</source>
        <translation>Columna %1</translation>
    </message>
    <message>
        <source>Field for the column &quot;%1&quot;</source>
        <translation>Campo para la columna &quot;%1&quot;</translation>
    </message>
    <message>
        <source>(not imported)</source>
        <translation>(no se importa)</translation>
    </message>
    <message>
        <source>File Columns</source>
        <translation>Columnas del archivo</translation>
    </message>
    <message>
        <source>Rows as they will be stored</source>
        <translation>Filas tal como se guardarán</translation>
    </message>
    <message>
        <source>Rows as They Will Be Stored</source>
        <translation>Filas tal como se guardarán</translation>
    </message>
    <message>
        <source>Import</source>
        <translation>Importar</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
    <message>
        <source>%1 rows: %2 to add, %3 to update, %4 unchanged, %5 skipped, %6 with errors (not imported).</source>
        <translation>%1 filas: %2 para añadir, %3 para actualizar, %4 sin cambios, %5 omitidas, %6 con errores (no se importan).</translation>
    </message>
    <message>
        <source>Imported: %1 added, %2 updated.</source>
        <translation>Importados: %1 añadidos, %2 actualizados.</translation>
    </message>
    <message>
        <source>Export Roster</source>
        <translation>Exportar plantilla</translation>
    </message>
    <message>
        <source>CSV Files (*.csv)|*.csv</source>
        <translation>Archivos CSV (*.csv)|*.csv</translation>
    </message>
    <message>
        <source>Add byte-order mark for spreadsheet programs?</source>
        <translation>¿Añadir marca de orden de bytes para las hojas de cálculo?</translation>
    </message>
</context>
<context>
    <name>pw::RosterModel</name>
    <message>
        <source>Player</source>
        <translation>Jugador</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>Juega</translation>
    </message>
    <message>
        <source>Shots</source>
        <translation>Tiros</translation>
    </message>
    <message>
        <source>Goals</source>
        <translation>Goles</translation>
    </message>
    <message>
        <source>Steals</source>
        <translation>Robos</translation>
    </message>
    <message>
        <source>Assists</source>
        <translation>Asist.</translation>
    </message>
    <message>
        <source>SOG</source>
        <translation>TAP</translation>
    </message>
    <message>
        <source>Blocks</source>
        <translation>Paradas</translation>
    </message>
    <message>
        <source>OverShot</source>
        <translation>Fuera</translation>
    </message>
    <message>
        <source>Qtrs</source>
        <translation>Per.</translation>
    </message>
    <message>
        <source>Avail</source>
        <translation>Disp.</translation>
    </message>
    <message>
        <source>Shares from %1% to %2%; team average %3%</source>
        <translation>Repartos del %1 % al %2 %; media del equipo %3 %</translation>
    </message>
    <message>
        <source>Team</source>
        <translation>Equipo</translation>
    </message>
    <message>
        <source>Spread %1 pts</source>
        <translation>Diferencia de %1 puntos</translation>
    </message>
    <message>
        <source>%1 points under the team average of %2%</source>
        <translation>%1 puntos por debajo de la media del equipo del %2 %</translation>
    </message>
</context>
<context>
    <name>pw::ScheduleModel</name>
    <message>
        <source>No.</source>
        <translation>N.º</translation>
    </message>
    <message>
        <source>Opponent</source>
        <translation>Rival</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Fecha</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Hora</translation>
    </message>
</context>
<context>
    <name>pw::StatDialog</name>
    <message>
        <source>No Game Selected</source>
        <translation>No hay partido seleccionado</translation>
    </message>
    <message>
        <source>Select the game in which to add statistics.</source>
        <translation>Selecciona el partido al que quieres añadir estadísticas.</translation>
    </message>
    <message>
        <source>Game Statistics</source>
        <translation>Estadísticas del partido</translation>
    </message>
    <message>
        <source>Check the values. All values must be numeric</source>
        <translation>Revisa los valores. Todos los valores deben ser numéricos</translation>
    </message>
</context>
<context>
    <name>pw::TeamFields</name>
    <message>
        <source>Must be born after:</source>
        <translation>Nacidos después del:</translation>
    </message>
    <message>
        <source>Season/Session:</source>
        <translation>Temporada:</translation>
    </message>
    <message>
        <source>Start:</source>
        <translation>Inicio:</translation>
    </message>
    <message>
        <source>The coach&apos;s Email</source>
        <translation>El correo electrónico del entrenador</translation>
    </message>
    <message>
        <source>The first assistant coach&apos;s Email</source>
        <translation>El correo electrónico del primer ayudante</translation>
    </message>
    <message>
        <source>The second assistant coach&apos;s Email</source>
        <translation>El correo electrónico del segundo ayudante</translation>
    </message>
    <message>
        <source>The Email address to Send Game Results</source>
        <translation>La dirección de correo para enviar los resultados</translation>
    </message>
</context>
<context>
    <name>pw::TeamInfo</name>
    <message>
        <source>Team Information</source>
        <translation>Información del equipo</translation>
    </message>
    <message>
        <source>Save Data</source>
        <translation>Guardar datos</translation>
    </message>
    <message>
        <source>Changes have been made, Do you want to save them?</source>
        <translation>Se han hecho cambios. ¿Quieres guardarlos?</translation>
    </message>
    <message>
        <source>Team</source>
        <translation>Equipo</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Añadir</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Eliminar</translation>
    </message>
    <message>
        <source>Copy Team</source>
        <translation>Copiar equipo</translation>
    </message>
    <message>
        <source>Show Team on Main Screen</source>
        <translation>Mostrar el equipo en la pantalla principal</translation>
    </message>
    <message>
        <source>Team ID:</source>
        <translation>N.º de equipo:</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Guardar</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
    <message>
        <source>Missing Data</source>
        <translation>Faltan datos</translation>
    </message>
    <message>
        <source>Critical data is missing for: %1</source>
        <translation>Faltan datos fundamentales de: %1</translation>
    </message>
    <message>
        <source>Team Fee</source>
        <translation>Cuota del equipo</translation>
    </message>
    <message>
        <source>The team fee must be an amount, such as 150.00.</source>
        <translation>La cuota del equipo debe ser un importe, por ejemplo 150,00.</translation>
    </message>
    <message>
        <source>Confirm Delete</source>
        <translation>Confirmar eliminación</translation>
    </message>
    <message>
        <source>Are you sure you want to delete %1?
Its players, opponents, games, statistics, tournaments, practices and notes are deleted with it.</source>
        <translation>¿Seguro que quieres eliminar %1?
Se eliminan con él sus jugadores, rivales, partidos, estadísticas, torneos, entrenamientos y notas.</translation>
    </message>
    <message>
        <source>Are you sure you want to make a copy of %1?</source>
        <translation>¿Seguro que quieres hacer una copia de %1?</translation>
    </message>
    <message>
        <source>Team Copied</source>
        <translation>Equipo copiado</translation>
    </message>
    <message>
        <source>%1 has been copied.
The team shown is the new team. Make changes as needed.</source>
        <translation>%1 se ha copiado.
El equipo que se muestra es el nuevo. Haz los cambios que necesites.</translation>
    </message>
</context>
<context>
    <name>pw::Tournament</name>
    <message>
        <source>Tournament</source>
        <translation>Torneo</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Guardar</translation>
    </message>
    <message>
        <source>Save Data</source>
        <translation>Guardar datos</translation>
    </message>
    <message>
        <source>Data has not been saved. Do you want to save it before you exit?</source>
        <translation>Los datos no se han guardado. ¿Quieres guardarlos antes de salir?</translation>
    </message>
    <message>
        <source>Tournament - %1</source>
        <translation>Torneo - %1</translation>
    </message>
    <message>
        <source>&amp;Tournament</source>
        <translation>&amp;Torneo</translation>
    </message>
    <message>
        <source>&amp;Enter Teams</source>
        <translation>&amp;Introducir equipos</translation>
    </message>
    <message>
        <source>&amp;Clear Bracket</source>
        <translation>&amp;Borrar cuadro</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Salir</translation>
    </message>
    <message>
        <source>&amp;Winner</source>
        <translation>&amp;Ganador</translation>
    </message>
    <message>
        <source>Clear &amp;field</source>
        <translation>Borrar &amp;casilla</translation>
    </message>
    <message>
        <source>Clear &amp;Bracket</source>
        <translation>&amp;Borrar cuadro</translation>
    </message>
    <message>
        <source>Enter Team</source>
        <translation>Introducir equipo</translation>
    </message>
    <message>
        <source>Enter the name of the team in this position</source>
        <translation>Escribe el nombre del equipo en esta posición</translation>
    </message>
    <message>
        <source>Winner</source>
        <translation>Ganador</translation>
    </message>
    <message>
        <source>Clear field</source>
        <translation>Borrar casilla</translation>
    </message>
    <message>
        <source>Clear Bracket</source>
        <translation>Borrar cuadro</translation>
    </message>
    <message>
        <source>This Bracket contains data.<byte value="xd"/>If you continue, all data will be cleared.<byte value="xd"/>Do you want to continue?</source>
        <translation>Este cuadro tiene datos.</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Aviso</translation>
    </message>
    <message>
        <source>Enter Teams</source>
        <translation>Introducir equipos</translation>
    </message>
    <message>
        <source>Game Time</source>
        <translation>Hora del partido</translation>
    </message>
    <message>
        <source>Set Tournament Game Schedule</source>
        <translation>Fijar horario de los partidos del torneo</translation>
    </message>
</context>
<context>
    <name>pw::cfgDialog</name>
    <message>
        <source>Pick Logo</source>
        <translation>Elegir escudo</translation>
    </message>
    <message>
        <source>Database file</source>
        <translation>Archivo de base de datos</translation>
    </message>
    <message>
        <source>Pitchwise Database (*.db)|*.db|All Files (*.*)|*.*</source>
        <translation>Base de datos de Pitchwise (*.db)|*.db|Todos los archivos (*.*)|*.*</translation>
    </message>
    <message>
        <source>System default</source>
        <translation>Predeterminado del sistema</translation>
    </message>
    <message>
        <source>&amp;Language:</source>
        <translation>&amp;Idioma:</translation>
    </message>
    <message>
        <source>The language changes at the next start of Pitchwise.</source>
        <translation>El idioma cambia la próxima vez que se inicie Pitchwise.</translation>
    </message>
</context>
<context>
    <name>pw::dlgDrillMaint</name>
    <message>
        <source>Drill Maintenance</source>
        <translation>Mantenimiento de ejercicios</translation>
    </message>
    <message>
        <source>Drills</source>
        <translation>Ejercicios</translation>
    </message>
    <message>
        <source>Drill Name:</source>
        <translation>Nombre del ejercicio:</translation>
    </message>
    <message>
        <source>This is a system drill and is not modifiable.</source>
        <translation>Este es un ejercicio del sistema y no se puede modificar.</translation>
    </message>
    <message>
        <source>Discipline:</source>
        <translation>Aspecto:</translation>
    </message>
    <message>
        <source>Development Stage:</source>
        <translation>Etapa de desarrollo:</translation>
    </message>
    <message>
        <source>Plain line</source>
        <translation>Línea simple</translation>
    </message>
    <message>
        <source>Arrow line</source>
        <translation>Línea con flecha</translation>
    </message>
    <message>
        <source>Curved line</source>
        <translation>Línea curva</translation>
    </message>
    <message>
        <source>Pass Line</source>
        <translation>Línea de pase</translation>
    </message>
    <message>
        <source>Run Line</source>
        <translation>Línea de carrera</translation>
    </message>
    <message>
        <source>solid</source>
        <translation>continua</translation>
    </message>
    <message>
        <source>dashed</source>
        <translation>discontinua</translation>
    </message>
    <message>
        <source>dotted</source>
        <translation>de puntos</translation>
    </message>
    <message>
        <source>Clear Pass Lines</source>
        <translation>Borrar líneas de pase</translation>
    </message>
    <message>
        <source>Show Grid</source>
        <translation>Mostrar cuadrícula</translation>
    </message>
    <message>
        <source>Purpose</source>
        <translation>Objetivo</translation>
    </message>
    <message>
        <source>Procedure</source>
        <translation>Desarrollo</translation>
    </message>
    <message>
        <source>Coaching Points</source>
        <translation>Claves para el entrenador</translation>
    </message>
    <message>
        <source>Update</source>
        <translation>Actualizar</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
    <message>
        <source>Draw line</source>
        <translation>Dibujar línea</translation>
    </message>
    <message>
        <source>&amp;Drill</source>
        <translation>&amp;Ejercicio</translation>
    </message>
    <message>
        <source>Add New</source>
        <translation>Añadir nuevo</translation>
    </message>
    <message>
        <source>Add New (Copy Current)</source>
        <translation>Añadir nuevo (copia del actual)</translation>
    </message>
    <message>
        <source>Remove Selected</source>
        <translation>Quitar seleccionado</translation>
    </message>
    <message>
        <source>SortBy</source>
        <translation>Ordenar por</translation>
    </message>
    <message>
        <source>Techniques and Tactics</source>
        <translation>Técnica y táctica</translation>
    </message>
    <message>
        <source>New Drill</source>
        <translation>Nuevo ejercicio</translation>
    </message>
    <message>
        <source>Enter the name of the new drill.</source>
        <translation>Escribe el nombre del nuevo ejercicio.</translation>
    </message>
    <message>
        <source>Enter New Drill Name:</source>
        <translation>Nombre del nuevo ejercicio:</translation>
    </message>
    <message>
        <source>Move marker</source>
        <translation>Mover marcador</translation>
    </message>
    <message>
        <source>Place marker</source>
        <translation>Colocar marcador</translation>
    </message>
    <message>
        <source>Bench marker</source>
        <translation>Marcador al banquillo</translation>
    </message>
    <message>
        <source>Clear pass lines</source>
        <translation>Borrar líneas de pase</translation>
    </message>
</context>
<context>
    <name>pw::dlgMoney</name>
    <message>
        <source>Fee Management</source>
        <translation>Gestión de cuotas</translation>
    </message>
    <message>
        <source>Amounts paid</source>
        <translation>Importes pagados</translation>
    </message>
    <message>
        <source>Team&apos;s Fee:</source>
        <translation>Cuota del equipo:</translation>
    </message>
    <message>
        <source>Player Fee:</source>
        <translation>Cuota por jugador:</translation>
    </message>
    <message>
        <source>Total Paid:</source>
        <translation>Total pagado:</translation>
    </message>
    <message>
        <source>Difference:</source>
        <translation>Diferencia:</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
    <message>
        <source>Amount Paid</source>
        <translation>Importe pagado</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not an amount. Type what the player has paid, for example 25 or 25.50.</source>
        <translation>&quot;%1&quot; no es un importe. Escribe lo que ha pagado el jugador, por ejemplo 25 o 25,50.</translation>
    </message>
</context>
<context>
    <name>pw::dlgPlayerList</name>
    <message>
        <source>Players List</source>
        <translation>Lista de jugadores</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Añadir</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
    <message>
        <source>%1 has been added.</source>
        <translation>Se ha añadido a %1.</translation>
    </message>
</context>
<context>
    <name>pw::dlgRecur</name>
    <message>
        <source>Recurrence</source>
        <translation>Repetición</translation>
    </message>
    <message>
        <source>Repeat for how many &amp;weeks:</source>
        <translation>Repetir durante cuántas &amp;semanas:</translation>
    </message>
    <message>
        <source>On these days of each week:</source>
        <translation>Estos días de cada semana:</translation>
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
    <name>pw::dlgRoster</name>
    <message>
        <source>Team Roster</source>
        <translation>Plantilla del equipo</translation>
    </message>
</context>
<context>
    <name>pw::dlgSending</name>
    <message>
        <source>Sending Email</source>
        <translation>Enviando correo</translation>
    </message>
    <message>
        <source>Starting the mailer…</source>
        <translation>Iniciando el programa de correo…</translation>
    </message>
    <message>
        <source>Messages sent</source>
        <translation>Mensajes enviados</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Sending to %1 (%2 of %3)</source>
        <translation>Enviando a %1 (%2 de %3)</translation>
    </message>
    <message>
        <source>Cancelling…</source>
        <translation>Cancelando…</translation>
    </message>
    <message>
        <source>View Message</source>
        <translation>Ver mensaje</translation>
    </message>
    <message>
        <source>Do you want to verify the Email message before sending it?</source>
        <translation>¿Quieres revisar el mensaje antes de enviarlo?</translation>
    </message>
    <message>
        <source>Confirm Send</source>
        <translation>Confirmar envío</translation>
    </message>
    <message>
        <source>Is the message OK to send?</source>
        <translation>¿Se puede enviar el mensaje así?</translation>
    </message>
    <message>
        <source>Send Results</source>
        <translation>Enviar resultado</translation>
    </message>
    <message>
        <source>The game&apos;s results were sent to %1.</source>
        <translation>El resultado del partido se ha enviado a %1.</translation>
    </message>
</context>
<context>
    <name>pw::dlgTextEditor</name>
    <message>
        <source>The changes could not be written to
%1
(%2)</source>
        <translation>No se pudieron escribir los cambios en
%1
(%2)</translation>
    </message>
</context>
<context>
    <name>pw::frmAbout</name>
    <message>
        <source>About Pitchwise</source>
        <translation>Acerca de Pitchwise</translation>
    </message>
    <message>
        <source>Pitchwise</source>
        <translation>Pitchwise</translation>
    </message>
    <message>
        <source>Rosters, schedules, line-ups, statistics and practice plans for the coach of youth soccer teams.</source>
        <translation>Plantillas, calendarios, alineaciones, estadísticas y planes de entrenamiento para el entrenador de fútbol base.</translation>
    </message>
    <message>
        <source>&amp;System Info...</source>
        <translation>&amp;Información del sistema...</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>Versión %1</translation>
    </message>
    <message>
        <source>Qt %1 on %2</source>
        <translation>Qt %1 en %2</translation>
    </message>
    <message>
        <source>Database: %1</source>
        <translation>Base de datos: %1</translation>
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
        <source>Log: %1</source>
        <translation>Registro: %1</translation>
    </message>
</context>
<context>
    <name>pw::frmCaptain</name>
    <message>
        <source>Team Captains</source>
        <translation>Capitanes del equipo</translation>
    </message>
    <message>
        <source>Captain of each game</source>
        <translation>Capitán de cada partido</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
    <message>
        <source>Season captain</source>
        <translation>Capitán de la temporada</translation>
    </message>
</context>
<context>
    <name>pw::frmGameNotes</name>
    <message>
        <source>Edit Note</source>
        <translation>Editar nota</translation>
    </message>
    <message>
        <source>New Note</source>
        <translation>Nueva nota</translation>
    </message>
    <message>
        <source>Note</source>
        <translation>Nota</translation>
    </message>
    <message>
        <source>Send as E-mail to the team&apos;s families and coaches</source>
        <translation>Enviar por correo a las familias y entrenadores del equipo</translation>
    </message>
    <message>
        <source>&amp;Subject:</source>
        <translation>&amp;Asunto:</translation>
    </message>
    <message>
        <source>&amp;Note:</source>
        <translation>&amp;Nota:</translation>
    </message>
    <message>
        <source>Missing Subject</source>
        <translation>Falta el asunto</translation>
    </message>
    <message>
        <source>Please enter a subject for the note.</source>
        <translation>Escribe un asunto para la nota.</translation>
    </message>
    <message>
        <source>Do you want to save the changes to this note?</source>
        <translation>¿Quieres guardar los cambios de esta nota?</translation>
    </message>
</context>
<context>
    <name>pw::frmMonthSchedule</name>
    <message>
        <source>Game</source>
        <translation>Partido</translation>
    </message>
    <message>
        <source>Conflict</source>
        <translation>Conflicto</translation>
    </message>
    <message numerus="yes">
        <source>+%n more</source>
        <translation>
            <numerusform>+%n más</numerusform>
            <numerusform>+%n más</numerusform>
        </translation>
    </message>
    <message>
        <source>Month Schdule</source>
        <translation>Calendario del mes</translation>
    </message>
    <message>
        <source>Month calendar</source>
        <translation>Calendario mensual</translation>
    </message>
    <message>
        <source>Weeks</source>
        <translation>Semanas</translation>
    </message>
    <message>
        <source>Return</source>
        <translation>Volver</translation>
    </message>
    <message>
        <source>&amp;Month:</source>
        <translation>&amp;Mes:</translation>
    </message>
    <message>
        <source>&amp;Year:</source>
        <translation>&amp;Año:</translation>
    </message>
    <message>
        <source>Tournament game</source>
        <translation>Partido de torneo</translation>
    </message>
    <message>
        <source>Session</source>
        <translation>Sesión</translation>
    </message>
    <message>
        <source>Team Meeting</source>
        <translation>Reunión del equipo</translation>
    </message>
    <message>
        <source>Game Schedule</source>
        <translation>Calendario de partidos</translation>
    </message>
    <message>
        <source>Tournament games are changed in their tournament&apos;s bracket.</source>
        <translation>Los partidos de torneo se cambian en el cuadro de su torneo.</translation>
    </message>
</context>
<context>
    <name>pw::frmNewData</name>
    <message>
        <source>New Data</source>
        <translation>Nuevos datos</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Añadir</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Game Schedule Information</source>
        <translation>Datos del partido</translation>
    </message>
    <message>
        <source>Opponent:</source>
        <translation>Rival:</translation>
    </message>
    <message>
        <source>Date:</source>
        <translation>Fecha:</translation>
    </message>
    <message>
        <source>Time:</source>
        <translation>Hora:</translation>
    </message>
    <message>
        <source>Field:</source>
        <translation>Campo:</translation>
    </message>
    <message>
        <source>Tournament Information</source>
        <translation>Datos del torneo</translation>
    </message>
    <message>
        <source>From %1 to %2 Teams</source>
        <translation>De %1 a %2 equipos</translation>
    </message>
    <message>
        <source>Tournament &amp;Name:</source>
        <translation>&amp;Nombre del torneo:</translation>
    </message>
    <message>
        <source>&amp;Start Date:</source>
        <translation>&amp;Fecha de inicio:</translation>
    </message>
    <message>
        <source>Si&amp;ze:</source>
        <translation>&amp;Tamaño:</translation>
    </message>
    <message>
        <source>&amp;Date:</source>
        <translation>&amp;Fecha:</translation>
    </message>
    <message>
        <source>&amp;Time:</source>
        <translation>&amp;Hora:</translation>
    </message>
    <message>
        <source>&amp;Field:</source>
        <translation>&amp;Campo:</translation>
    </message>
    <message>
        <source>Reschedule</source>
        <translation>Cambiar fecha</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Missing Tournament Name</source>
        <translation>Falta el nombre del torneo</translation>
    </message>
    <message>
        <source>You must supply a tournament name.</source>
        <translation>Tienes que indicar un nombre para el torneo.</translation>
    </message>
    <message>
        <source>Missing Opponent</source>
        <translation>Falta el rival</translation>
    </message>
    <message>
        <source>You must supply an opponent.</source>
        <translation>Tienes que indicar un rival.</translation>
    </message>
</context>
<context>
    <name>pw::frmNoteList</name>
    <message>
        <source>Team Notes and Messages</source>
        <translation>Notas y mensajes del equipo</translation>
    </message>
    <message>
        <source>Notes and messages</source>
        <translation>Notas y mensajes</translation>
    </message>
    <message>
        <source>&amp;New…</source>
        <translation>&amp;Nuevo…</translation>
    </message>
    <message>
        <source>&amp;Edit…</source>
        <translation>&amp;Editar…</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>E&amp;liminar</translation>
    </message>
    <message>
        <source>Print Selected</source>
        <translation>Imprimir seleccionado</translation>
    </message>
    <message>
        <source>Print Pre&amp;view</source>
        <translation>&amp;Vista previa</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
    <message>
        <source>Send Selected</source>
        <translation>Enviar seleccionado</translation>
    </message>
    <message>
        <source>Confirm Delete?</source>
        <translation>¿Confirmar eliminación?</translation>
    </message>
    <message>
        <source>Are you sure you want to delete the message %1</source>
        <translation>¿Seguro que quieres eliminar el mensaje %1?</translation>
    </message>
    <message>
        <source>Message from the Coach</source>
        <translation>Mensaje del entrenador</translation>
    </message>
</context>
<context>
    <name>pw::frmOppList</name>
    <message>
        <source>Select Opponent</source>
        <translation>Seleccionar rival</translation>
    </message>
    <message>
        <source>Opponents</source>
        <translation>Rivales</translation>
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
    <name>pw::frmOpponent</name>
    <message>
        <source>Opponent Information</source>
        <translation>Información del rival</translation>
    </message>
    <message>
        <source>Save Data</source>
        <translation>Guardar datos</translation>
    </message>
    <message>
        <source>Changes have been made, Do you want to save them?</source>
        <translation>Se han hecho cambios. ¿Quieres guardarlos?</translation>
    </message>
    <message>
        <source>Our Team</source>
        <translation>Nuestro equipo</translation>
    </message>
    <message>
        <source>Add/Modify</source>
        <translation>Añadir/Modificar</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
    <message>
        <source>Team Number:</source>
        <translation>Número de equipo:</translation>
    </message>
    <message>
        <source>Team Name:</source>
        <translation>Nombre del equipo:</translation>
    </message>
    <message>
        <source>Coach:</source>
        <translation>Entrenador:</translation>
    </message>
    <message>
        <source>Coach Phone No.:</source>
        <translation>Teléfono del entrenador:</translation>
    </message>
    <message>
        <source>Jersey Color</source>
        <translation>Color de la camiseta</translation>
    </message>
    <message>
        <source>Opponents List</source>
        <translation>Lista de rivales</translation>
    </message>
    <message>
        <source>Team Number</source>
        <translation>Número de equipo</translation>
    </message>
</context>
<context>
    <name>pw::frmPractice</name>
    <message>
        <source>Training Session Planning</source>
        <translation>Planificación de la sesión de entrenamiento</translation>
    </message>
    <message>
        <source>Team &amp;Meeting</source>
        <translation>&amp;Reunión del equipo</translation>
    </message>
    <message>
        <source>Agenda</source>
        <translation>Agenda</translation>
    </message>
    <message>
        <source>&amp;Update</source>
        <translation>&amp;Actualizar</translation>
    </message>
    <message>
        <source>&amp;Drills</source>
        <translation>E&amp;jercicios</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Cerrar</translation>
    </message>
    <message>
        <source>&amp;Start Time</source>
        <translation>&amp;Hora de inicio</translation>
    </message>
    <message>
        <source>&amp;End Time</source>
        <translation>Hora de &amp;fin</translation>
    </message>
    <message>
        <source>Time Se&amp;gment</source>
        <translation>&amp;Tramo horario</translation>
    </message>
    <message>
        <source>&amp;Session</source>
        <translation>&amp;Sesión</translation>
    </message>
    <message>
        <source>&amp;Recurrence</source>
        <translation>Re&amp;petición</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;Eliminar</translation>
    </message>
    <message>
        <source>Pe&amp;view Agenda</source>
        <translation>&amp;Vista previa de la agenda</translation>
    </message>
    <message>
        <source>&amp;Print Agenda</source>
        <translation>&amp;Imprimir agenda</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Hora</translation>
    </message>
    <message>
        <source>Split Team</source>
        <translation>Dividir el equipo</translation>
    </message>
    <message>
        <source>Undo Split</source>
        <translation>Deshacer división</translation>
    </message>
    <message>
        <source>Save Data</source>
        <translation>Guardar datos</translation>
    </message>
    <message>
        <source>Do you want to save your changes?</source>
        <translation>¿Quieres guardar los cambios?</translation>
    </message>
    <message>
        <source>Training Session %1</source>
        <translation>Sesión de entrenamiento %1</translation>
    </message>
</context>
<context>
    <name>pw::frmSchedule</name>
    <message>
        <source>Game Schedule</source>
        <translation>Calendario de partidos</translation>
    </message>
    <message>
        <source>Save Data?</source>
        <translation>¿Guardar datos?</translation>
    </message>
    <message>
        <source>Data has been changed. Do you want to Save the changes?</source>
        <translation>Los datos han cambiado. ¿Quieres guardar los cambios?</translation>
    </message>
    <message>
        <source>Add/Modify</source>
        <translation>Añadir/Modificar</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
    <message>
        <source>Team Number:</source>
        <translation>Número de equipo:</translation>
    </message>
    <message>
        <source>Team Name:</source>
        <translation>Nombre del equipo:</translation>
    </message>
    <message>
        <source>Coach:</source>
        <translation>Entrenador:</translation>
    </message>
    <message>
        <source>Game Date:</source>
        <translation>Fecha del partido:</translation>
    </message>
    <message>
        <source>Game Time:</source>
        <translation>Hora del partido:</translation>
    </message>
    <message>
        <source>Field</source>
        <translation>Campo</translation>
    </message>
</context>
<context>
    <name>pw::frmSplash</name>
    <message>
        <source>Pitchwise</source>
        <translation>Pitchwise</translation>
    </message>
    <message>
        <source>The season planner for youth soccer coaches</source>
        <translation>El planificador de temporada para entrenadores de fútbol base</translation>
    </message>
</context>
</TS>
