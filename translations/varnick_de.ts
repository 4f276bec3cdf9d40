<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>Backups</name>
    <message>
        <source>The previous version cannot be kept as a backup (%1)</source>
        <translation>Die vorherige Version kann nicht als Sicherung aufbewahrt werden (%1)</translation>
    </message>
    <message>
        <source>No backup folder is free for %1</source>
        <translation>Für %1 ist kein Sicherungsordner frei</translation>
    </message>
    <message>
        <source>The backup folder cannot be created</source>
        <translation>Der Sicherungsordner kann nicht angelegt werden</translation>
    </message>
    <message>
        <source>The backup folder cannot be named: %1</source>
        <translation>Der Sicherungsordner kann nicht benannt werden: %1</translation>
    </message>
    <message>
        <source>No original of this file was kept</source>
        <translation>Von dieser Datei wurde kein Original aufbewahrt</translation>
    </message>
    <message>
        <source>The original cannot be copied back (%1)</source>
        <translation>Das Original kann nicht zurückkopiert werden (%1)</translation>
    </message>
</context>
<context>
    <name>BatchEdit</name>
    <message>
        <source>The package changed on disk since it was loaded; it was left as it is</source>
        <translation>Das Paket wurde seit dem Laden auf der Festplatte geändert; es blieb, wie es war</translation>
    </message>
    <message>
        <source>The package changed on disk while it was being saved; it was left as it is</source>
        <translation>Das Paket wurde während des Speicherns auf der Festplatte geändert; es blieb, wie es war</translation>
    </message>
</context>
<context>
    <name>BatchSummary</name>
    <message>
        <source>Saved: %1, unchanged: %2, refused: %3</source>
        <translation>Gespeichert: %1, unverändert: %2, abgelehnt: %3</translation>
    </message>
    <message>
        <source>Saved: %1, unchanged: %2, refused: %3, not reached: %4</source>
        <translation>Gespeichert: %1, unverändert: %2, abgelehnt: %3, nicht erreicht: %4</translation>
    </message>
</context>
<context>
    <name>CatalogLists</name>
    <message>
        <source>Comfort</source>
        <translation>Sitzgelegenheiten</translation>
    </message>
    <message>
        <source>Surfaces</source>
        <translation>Oberflächen</translation>
    </message>
    <message>
        <source>Appliances</source>
        <translation>Geräte</translation>
    </message>
    <message>
        <source>Electronics</source>
        <translation>Elektronik</translation>
    </message>
    <message>
        <source>Plumbing</source>
        <translation>Sanitär</translation>
    </message>
    <message>
        <source>Decorative</source>
        <translation>Dekoration</translation>
    </message>
    <message>
        <source>Miscellaneous</source>
        <translation>Verschiedenes</translation>
    </message>
    <message>
        <source>Lighting</source>
        <translation>Beleuchtung</translation>
    </message>
    <message>
        <source>Hobbies</source>
        <translation>Hobbys</translation>
    </message>
    <message>
        <source>Dining Chairs</source>
        <translation>Esszimmerstühle</translation>
    </message>
    <message>
        <source>Living Chairs</source>
        <translation>Sessel</translation>
    </message>
    <message>
        <source>Sofas/Loveseats</source>
        <translation>Sofas/Zweisitzer</translation>
    </message>
    <message>
        <source>Beds</source>
        <translation>Betten</translation>
    </message>
    <message>
        <source>Recliners</source>
        <translation>Liegesessel</translation>
    </message>
    <message>
        <source>Counters</source>
        <translation>Arbeitsflächen</translation>
    </message>
    <message>
        <source>Tables</source>
        <translation>Tische</translation>
    </message>
    <message>
        <source>End Tables</source>
        <translation>Beistelltische</translation>
    </message>
    <message>
        <source>Desks</source>
        <translation>Schreibtische</translation>
    </message>
    <message>
        <source>Coffee Tables</source>
        <translation>Couchtische</translation>
    </message>
    <message>
        <source>Shelves</source>
        <translation>Regale</translation>
    </message>
    <message>
        <source>Cooking</source>
        <translation>Kochen</translation>
    </message>
    <message>
        <source>Refrigerators</source>
        <translation>Kühlschränke</translation>
    </message>
    <message>
        <source>Small Appliances</source>
        <translation>Kleingeräte</translation>
    </message>
    <message>
        <source>Large Appliances</source>
        <translation>Großgeräte</translation>
    </message>
    <message>
        <source>Entertainment</source>
        <translation>Unterhaltung</translation>
    </message>
    <message>
        <source>TVs/Computers</source>
        <translation>Fernseher/Computer</translation>
    </message>
    <message>
        <source>Audio</source>
        <translation>Audio</translation>
    </message>
    <message>
        <source>Small Electronics</source>
        <translation>Kleine Elektronik</translation>
    </message>
    <message>
        <source>Toilets</source>
        <translation>Toiletten</translation>
    </message>
    <message>
        <source>Showers/Tubs</source>
        <translation>Duschen/Wannen</translation>
    </message>
    <message>
        <source>Sinks</source>
        <translation>Waschbecken</translation>
    </message>
    <message>
        <source>Hot Tubs</source>
        <translation>Whirlpools</translation>
    </message>
    <message>
        <source>Wall Hangings</source>
        <translation>Wandschmuck</translation>
    </message>
    <message>
        <source>Sculptures</source>
        <translation>Skulpturen</translation>
    </message>
    <message>
        <source>Rugs</source>
        <translation>Teppiche</translation>
    </message>
    <message>
        <source>Plants</source>
        <translation>Pflanzen</translation>
    </message>
    <message>
        <source>Mirrors</source>
        <translation>Spiegel</translation>
    </message>
    <message>
        <source>Curtains</source>
        <translation>Vorhänge</translation>
    </message>
    <message>
        <source>Dressers</source>
        <translation>Kommoden</translation>
    </message>
    <message>
        <source>Party</source>
        <translation>Party</translation>
    </message>
    <message>
        <source>Children</source>
        <translation>Kinder</translation>
    </message>
    <message>
        <source>Vehicle</source>
        <translation>Fahrzeug</translation>
    </message>
    <message>
        <source>Table Lamps</source>
        <translation>Tischlampen</translation>
    </message>
    <message>
        <source>Floor Lamps</source>
        <translation>Stehlampen</translation>
    </message>
    <message>
        <source>Wall Lamps</source>
        <translation>Wandlampen</translation>
    </message>
    <message>
        <source>Hanging Lamps</source>
        <translation>Hängelampen</translation>
    </message>
    <message>
        <source>Outdoor Lamps</source>
        <translation>Außenlampen</translation>
    </message>
    <message>
        <source>Creative</source>
        <translation>Kreativität</translation>
    </message>
    <message>
        <source>Knowledge</source>
        <translation>Wissen</translation>
    </message>
    <message>
        <source>Exercise</source>
        <translation>Sport</translation>
    </message>
    <message>
        <source>Recreation</source>
        <translation>Erholung</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Keine</translation>
    </message>
    <message>
        <source>Doors/Windows</source>
        <translation>Türen/Fenster</translation>
    </message>
    <message>
        <source>Garden Center</source>
        <translation>Gartencenter</translation>
    </message>
    <message>
        <source>Doors</source>
        <translation>Türen</translation>
    </message>
    <message>
        <source>M-Story Windows</source>
        <translation>Mehrstöckige Fenster</translation>
    </message>
    <message>
        <source>Windows</source>
        <translation>Fenster</translation>
    </message>
    <message>
        <source>Gates</source>
        <translation>Tore</translation>
    </message>
    <message>
        <source>Archways</source>
        <translation>Torbögen</translation>
    </message>
    <message>
        <source>Multi-Story Doors</source>
        <translation>Mehrstöckige Türen</translation>
    </message>
    <message>
        <source>Trees</source>
        <translation>Bäume</translation>
    </message>
    <message>
        <source>Shrubs</source>
        <translation>Sträucher</translation>
    </message>
    <message>
        <source>Flowers</source>
        <translation>Blumen</translation>
    </message>
    <message>
        <source>Columns</source>
        <translation>Säulen</translation>
    </message>
    <message>
        <source>Stairs</source>
        <translation>Treppen</translation>
    </message>
    <message>
        <source>Swimming Pool</source>
        <translation>Swimmingpool</translation>
    </message>
    <message>
        <source>M-Story Columns</source>
        <translation>Mehrstöckige Säulen</translation>
    </message>
    <message>
        <source>Column Arches</source>
        <translation>Säulenbögen</translation>
    </message>
    <message>
        <source>Garage</source>
        <translation>Garage</translation>
    </message>
    <message>
        <source>Elevators</source>
        <translation>Aufzüge</translation>
    </message>
    <message>
        <source>Kitchen</source>
        <translation>Küche</translation>
    </message>
    <message>
        <source>Bedroom</source>
        <translation>Schlafzimmer</translation>
    </message>
    <message>
        <source>Bathroom</source>
        <translation>Badezimmer</translation>
    </message>
    <message>
        <source>Living Room</source>
        <translation>Wohnzimmer</translation>
    </message>
    <message>
        <source>Outside</source>
        <translation>Draußen</translation>
    </message>
    <message>
        <source>Dining Room</source>
        <translation>Esszimmer</translation>
    </message>
    <message>
        <source>Study</source>
        <translation>Arbeitszimmer</translation>
    </message>
    <message>
        <source>Kids</source>
        <translation>Kinderzimmer</translation>
    </message>
    <message>
        <source>Dining</source>
        <translation>Essen</translation>
    </message>
    <message>
        <source>Shops</source>
        <translation>Geschäfte</translation>
    </message>
    <message>
        <source>Outdoor</source>
        <translation>Im Freien</translation>
    </message>
    <message>
        <source>Street</source>
        <translation>Straße</translation>
    </message>
    <message>
        <source>Mechanical</source>
        <translation>Mechanik</translation>
    </message>
    <message>
        <source>Logic</source>
        <translation>Logik</translation>
    </message>
    <message>
        <source>Body</source>
        <translation>Fitness</translation>
    </message>
    <message>
        <source>Creativity</source>
        <translation>Kreativität</translation>
    </message>
    <message>
        <source>Charisma</source>
        <translation>Charisma</translation>
    </message>
    <message>
        <source>Cleaning</source>
        <translation>Putzen</translation>
    </message>
    <message>
        <source>(No Wants Satisfy Code)</source>
        <translation>(Kein Wunsch-Code)</translation>
    </message>
    <message>
        <source>Alarm Clocks</source>
        <translation>Wecker</translation>
    </message>
    <message>
        <source>Bars</source>
        <translation>Bars</translation>
    </message>
    <message>
        <source>Bass</source>
        <translation>Bass</translation>
    </message>
    <message>
        <source>Bonfire</source>
        <translation>Lagerfeuer</translation>
    </message>
    <message>
        <source>Bookcases</source>
        <translation>Bücherregale</translation>
    </message>
    <message>
        <source>Bowling Alley</source>
        <translation>Bowlingbahn</translation>
    </message>
    <message>
        <source>Bubbleblower</source>
        <translation>Blubberblaser</translation>
    </message>
    <message>
        <source>Burglar Alarm</source>
        <translation>Alarmanlage</translation>
    </message>
    <message>
        <source>Car</source>
        <translation>Auto</translation>
    </message>
    <message>
        <source>Card Table</source>
        <translation>Kartentisch</translation>
    </message>
    <message>
        <source>Changing Table</source>
        <translation>Wickeltisch</translation>
    </message>
    <message>
        <source>Coffee Machines</source>
        <translation>Kaffeemaschinen</translation>
    </message>
    <message>
        <source>Coffin</source>
        <translation>Sarg</translation>
    </message>
    <message>
        <source>Computers</source>
        <translation>Computer</translation>
    </message>
    <message>
        <source>Counterfeit Machine</source>
        <translation>Geldfälschermaschine</translation>
    </message>
    <message>
        <source>Counters/Islands</source>
        <translation>Arbeitsflächen/Kücheninseln</translation>
    </message>
    <message>
        <source>Crib</source>
        <translation>Kinderbett</translation>
    </message>
    <message>
        <source>Desk</source>
        <translation>Schreibtisch</translation>
    </message>
    <message>
        <source>Dining Chair</source>
        <translation>Esszimmerstuhl</translation>
    </message>
    <message>
        <source>Dishwashers</source>
        <translation>Geschirrspüler</translation>
    </message>
    <message>
        <source>Display Case</source>
        <translation>Vitrine</translation>
    </message>
    <message>
        <source>Dj Booth</source>
        <translation>DJ-Pult</translation>
    </message>
    <message>
        <source>Double Bed</source>
        <translation>Doppelbett</translation>
    </message>
    <message>
        <source>Drumbkit</source>
        <translation>Schlagzeug</translation>
    </message>
    <message>
        <source>Easel</source>
        <translation>Staffelei</translation>
    </message>
    <message>
        <source>Electro Dance Sphere</source>
        <translation>Elektro-Tanzkugel</translation>
    </message>
    <message>
        <source>Elevator</source>
        <translation>Aufzug</translation>
    </message>
    <message>
        <source>Espresso Machines</source>
        <translation>Espressomaschinen</translation>
    </message>
    <message>
        <source>Fire Alarm</source>
        <translation>Rauchmelder</translation>
    </message>
    <message>
        <source>Fireplace</source>
        <translation>Kamin</translation>
    </message>
    <message>
        <source>Florist Bench</source>
        <translation>Blumenbindetisch</translation>
    </message>
    <message>
        <source>Food Processor</source>
        <translation>Küchenmaschine</translation>
    </message>
    <message>
        <source>Fountain</source>
        <translation>Brunnen</translation>
    </message>
    <message>
        <source>Fridges</source>
        <translation>Kühlschränke</translation>
    </message>
    <message>
        <source>Games</source>
        <translation>Spiele</translation>
    </message>
    <message>
        <source>Grills</source>
        <translation>Grills</translation>
    </message>
    <message>
        <source>Guitar</source>
        <translation>Gitarre</translation>
    </message>
    <message>
        <source>High Chair</source>
        <translation>Hochstuhl</translation>
    </message>
    <message>
        <source>Hottubs</source>
        <translation>Whirlpools</translation>
    </message>
    <message>
        <source>Juice Keg</source>
        <translation>Saftfass</translation>
    </message>
    <message>
        <source>Karaoke Machine</source>
        <translation>Karaoke-Maschine</translation>
    </message>
    <message>
        <source>Lemonade Stand</source>
        <translation>Limonadenstand</translation>
    </message>
    <message>
        <source>Living Chair</source>
        <translation>Sessel</translation>
    </message>
    <message>
        <source>Lounge Chair</source>
        <translation>Liegestuhl</translation>
    </message>
    <message>
        <source>Makeover Station</source>
        <translation>Styling-Station</translation>
    </message>
    <message>
        <source>Microwave</source>
        <translation>Mikrowelle</translation>
    </message>
    <message>
        <source>Paintings</source>
        <translation>Gemälde</translation>
    </message>
    <message>
        <source>Phone</source>
        <translation>Telefon</translation>
    </message>
    <message>
        <source>Piano</source>
        <translation>Klavier</translation>
    </message>
    <message>
        <source>Recliner</source>
        <translation>Liegesessel</translation>
    </message>
    <message>
        <source>Refrigerated Display Case</source>
        <translation>Kühlvitrine</translation>
    </message>
    <message>
        <source>Robot Station</source>
        <translation>Roboter-Werkbank</translation>
    </message>
    <message>
        <source>Rug</source>
        <translation>Teppich</translation>
    </message>
    <message>
        <source>Single Bed</source>
        <translation>Einzelbett</translation>
    </message>
    <message>
        <source>Sofas/Love Seats</source>
        <translation>Sofas/Zweisitzer</translation>
    </message>
    <message>
        <source>Stereos</source>
        <translation>Stereoanlagen</translation>
    </message>
    <message>
        <source>Stoves</source>
        <translation>Herde</translation>
    </message>
    <message>
        <source>Telescopes</source>
        <translation>Teleskope</translation>
    </message>
    <message>
        <source>Toaster Oven</source>
        <translation>Toasterofen</translation>
    </message>
    <message>
        <source>Toymaking Bench</source>
        <translation>Spielzeugwerkbank</translation>
    </message>
    <message>
        <source>Toys</source>
        <translation>Spielzeug</translation>
    </message>
    <message>
        <source>Trash Compactors</source>
        <translation>Müllpressen</translation>
    </message>
    <message>
        <source>TVs</source>
        <translation>Fernseher</translation>
    </message>
    <message>
        <source>Workout Bench</source>
        <translation>Trainingsbank</translation>
    </message>
</context>
<context>
    <name>ChangeWords</name>
    <message>
        <source>nothing</source>
        <translation>nichts</translation>
    </message>
    <message>
        <source>none</source>
        <translation>keine</translation>
    </message>
    <message>
        <source>flag value %1</source>
        <translation>Flag-Wert %1</translation>
    </message>
    <message>
        <source>Function</source>
        <translation>Funktion</translation>
    </message>
    <message>
        <source>Function Sub-Category</source>
        <translation>Funktions-Unterkategorie</translation>
    </message>
    <message>
        <source>Build Type</source>
        <translation>Bautyp</translation>
    </message>
    <message>
        <source>Build Sub-Type</source>
        <translation>Bau-Untertyp</translation>
    </message>
    <message>
        <source>Wants Satisfy Category</source>
        <translation>Wunschkategorie</translation>
    </message>
    <message>
        <source>Room</source>
        <translation>Raum</translation>
    </message>
    <message>
        <source>Community</source>
        <translation>Gemeinschaft</translation>
    </message>
    <message>
        <source>Skill Flags</source>
        <translation>Fähigkeiten</translation>
    </message>
    <message>
        <source>Write each object&apos;s own changes</source>
        <translation>Die eigenen Änderungen jedes Objekts schreiben</translation>
    </message>
    <message>
        <source>%1 to %2</source>
        <translation>%1 auf %2</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>Description</source>
        <translation>Beschreibung</translation>
    </message>
    <message>
        <source>Set %1</source>
        <translation>%1 setzen</translation>
    </message>
    <message>
        <source>add %1 to %2</source>
        <translation>%1 zu %2 hinzufügen</translation>
    </message>
    <message>
        <source>remove %1 from %2</source>
        <translation>%1 aus %2 entfernen</translation>
    </message>
    <message>
        <source>%1; %2</source>
        <translation>%1; %2</translation>
    </message>
    <message numerus="yes">
        <source>%1 on %n object(s)?</source>
        <translation>
            <numerusform>%1 – bei %n Objekt?</numerusform>
            <numerusform>%1 – bei %n Objekten?</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>ClearCachesAction</name>
    <message>
        <source>Clear Game Caches</source>
        <translation>Spiel-Caches leeren</translation>
    </message>
    <message>
        <source>There are no game caches to clear in %1.</source>
        <translation>In %1 gibt es keine Spiel-Caches zu leeren.</translation>
    </message>
    <message>
        <source>Confirm Action</source>
        <translation>Aktion bestätigen</translation>
    </message>
    <message>
        <source>Move these caches to the backup folder? The game makes them anew at its next start, which takes longer than usual.</source>
        <translation>Diese Caches in den Sicherungsordner verschieben? Das Spiel legt sie beim nächsten Start neu an, was länger dauert als sonst.</translation>
    </message>
    <message>
        <source>Moving the game&apos;s caches...</source>
        <translation>Die Caches des Spiels werden verschoben...</translation>
    </message>
    <message>
        <source>Moved to the backup folder:</source>
        <translation>In den Sicherungsordner verschoben:</translation>
    </message>
    <message>
        <source>Left as they were:</source>
        <translation>Unverändert gelassen:</translation>
    </message>
    <message>
        <source>OPERATION SUCCESSFUL</source>
        <translation>VORGANG ERFOLGREICH</translation>
    </message>
    <message>
        <source>Clear Game &amp;Caches...</source>
        <translation>Spiel-&amp;Caches leeren...</translation>
    </message>
</context>
<context>
    <name>Compression</name>
    <message>
        <source>The compressed resource (%1 bytes) is damaged and cannot be decompressed</source>
        <translation>Die komprimierte Ressource (%1 Bytes) ist beschädigt und kann nicht entpackt werden</translation>
    </message>
    <message>
        <source>A resource of %1 bytes cannot be compressed (at most 16,777,215 bytes)</source>
        <translation>Eine Ressource von %1 Bytes kann nicht komprimiert werden (höchstens 16.777.215 Bytes)</translation>
    </message>
    <message>
        <source>The compressed resource %1 (type %2, instance %3) is damaged and cannot be decompressed</source>
        <translation>Die komprimierte Ressource %1 (Typ %2, Instanz %3) ist beschädigt und kann nicht entpackt werden</translation>
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
        <translation>Klassisch</translation>
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
        <translation>Dieses Feld</translation>
    </message>
    <message>
        <source>%1 holds at most %2; %2 will be written.</source>
        <translation>%1 fasst höchstens %2; es wird %2 geschrieben.</translation>
    </message>
</context>
<context>
    <name>Failures</name>
    <message>
        <source>Out of memory</source>
        <translation>Nicht genügend Arbeitsspeicher</translation>
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
        <translation>ist leer</translation>
    </message>
    <message>
        <source>is not valid UTF-8 text</source>
        <translation>ist kein gültiger UTF-8-Text</translation>
    </message>
    <message>
        <source>is an absolute path</source>
        <translation>ist ein absoluter Pfad</translation>
    </message>
    <message>
        <source>begins with a drive letter</source>
        <translation>beginnt mit einem Laufwerksbuchstaben</translation>
    </message>
    <message>
        <source>contains a path separator (%1)</source>
        <translation>enthält ein Pfadtrennzeichen (%1)</translation>
    </message>
    <message>
        <source>names a folder (&quot;%1&quot;), not a file</source>
        <translation>bezeichnet einen Ordner („%1“), keine Datei</translation>
    </message>
    <message>
        <source>contains %1, which Windows does not allow in file names</source>
        <translation>enthält %1, was Windows in Dateinamen nicht erlaubt</translation>
    </message>
    <message>
        <source>ends with a dot, which Windows drops</source>
        <translation>endet mit einem Punkt, den Windows weglässt</translation>
    </message>
    <message>
        <source>ends with a space, which Windows drops</source>
        <translation>endet mit einem Leerzeichen, das Windows weglässt</translation>
    </message>
    <message>
        <source>is a device name that Windows reserves</source>
        <translation>ist ein Gerätename, den Windows reserviert</translation>
    </message>
    <message>
        <source>is longer than the 255 characters a file name can have</source>
        <translation>ist länger als die 255 Zeichen, die ein Dateiname haben kann</translation>
    </message>
</context>
<context>
    <name>Files</name>
    <message>
        <source>The file cannot be opened for reading: %1</source>
        <translation>Die Datei kann nicht zum Lesen geöffnet werden: %1</translation>
    </message>
    <message>
        <source>The file cannot be opened for writing: %1</source>
        <translation>Die Datei kann nicht zum Schreiben geöffnet werden: %1</translation>
    </message>
    <message>
        <source>Reading %1 bytes at offset %2 failed: %3</source>
        <translation>Das Lesen von %1 Bytes an Position %2 ist fehlgeschlagen: %3</translation>
    </message>
    <message>
        <source>Writing %1 bytes at offset %2 failed: %3</source>
        <translation>Das Schreiben von %1 Bytes an Position %2 ist fehlgeschlagen: %3</translation>
    </message>
    <message>
        <source>The file cannot be opened for writing: another program is using it</source>
        <translation>Die Datei kann nicht zum Schreiben geöffnet werden: Ein anderes Programm verwendet sie</translation>
    </message>
    <message>
        <source>The length of the file cannot be read: %1</source>
        <translation>Die Länge der Datei kann nicht gelesen werden: %1</translation>
    </message>
    <message>
        <source>The file cannot be opened for reading: it is a folder</source>
        <translation>Die Datei kann nicht zum Lesen geöffnet werden: Sie ist ein Ordner</translation>
    </message>
    <message>
        <source>The file ended %1 bytes short of a read of %2 bytes at offset %3</source>
        <translation>Die Datei endete %1 Bytes vor dem Ende eines Lesevorgangs von %2 Bytes an Position %3</translation>
    </message>
    <message>
        <source>The file cannot be read: it is a folder</source>
        <translation>Die Datei kann nicht gelesen werden: Sie ist ein Ordner</translation>
    </message>
    <message>
        <source>Flushing the file to disk failed: %1</source>
        <translation>Das Schreiben der Datei auf die Festplatte ist fehlgeschlagen: %1</translation>
    </message>
    <message>
        <source>Closing the file failed: %1</source>
        <translation>Das Schließen der Datei ist fehlgeschlagen: %1</translation>
    </message>
    <message>
        <source>Windows takes its name for a device&apos;s (CON, AUX, NUL, COM1 and the like); rename the file</source>
        <translation>Windows hält den Namen für den eines Geräts (CON, AUX, NUL, COM1 und ähnliche); benenne die Datei um</translation>
    </message>
</context>
<context>
    <name>Folders</name>
    <message>
        <source>Can not list the folder %1: %2</source>
        <translation>Der Inhalt des Ordners %1 kann nicht gelesen werden: %2</translation>
    </message>
</context>
<context>
    <name>FoundBy</name>
    <message>
        <source>Windows registry</source>
        <translation>Windows-Registrierung</translation>
    </message>
    <message>
        <source>Wine registry</source>
        <translation>Wine-Registrierung</translation>
    </message>
    <message>
        <source>Documents folder</source>
        <translation>Dokumente-Ordner</translation>
    </message>
    <message>
        <source>Steam library</source>
        <translation>Steam-Bibliothek</translation>
    </message>
    <message>
        <source>Application Support folder</source>
        <translation>Ordner „Application Support“</translation>
    </message>
    <message>
        <source>Environment variable</source>
        <translation>Umgebungsvariable</translation>
    </message>
    <message>
        <source>Chosen by you</source>
        <translation>Von dir gewählt</translation>
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
        <translation>%1 Bytes</translation>
    </message>
    <message>
        <source>cannot be read (%1)</source>
        <translation>kann nicht gelesen werden (%1)</translation>
    </message>
    <message>
        <source>is larger than %1 (%2 bytes)</source>
        <translation>ist größer als %1 (%2 Bytes)</translation>
    </message>
    <message>
        <source>cannot be opened</source>
        <translation>kann nicht geöffnet werden</translation>
    </message>
    <message>
        <source>cannot be read</source>
        <translation>kann nicht gelesen werden</translation>
    </message>
    <message>
        <source>holds a list where one folder was expected</source>
        <translation>enthält eine Liste, wo ein einzelner Ordner erwartet wurde</translation>
    </message>
    <message>
        <source>ends inside an escape</source>
        <translation>endet mitten in einer Escape-Sequenz</translation>
    </message>
    <message>
        <source>holds an escape \x without digits</source>
        <translation>enthält eine Escape-Sequenz \x ohne Ziffern</translation>
    </message>
    <message>
        <source>has a text without its closing quote</source>
        <translation>hat einen Text ohne schließendes Anführungszeichen</translation>
    </message>
    <message>
        <source>holds a value that is not a text</source>
        <translation>enthält einen Wert, der kein Text ist</translation>
    </message>
    <message>
        <source>is longer than %1 bytes</source>
        <translation>ist länger als %1 Bytes</translation>
    </message>
    <message>
        <source>is not valid UTF-8 text</source>
        <translation>ist kein gültiger UTF-8-Text</translation>
    </message>
    <message>
        <source>holds control characters</source>
        <translation>enthält Steuerzeichen</translation>
    </message>
    <message>
        <source>is not a full folder path (%1)</source>
        <translation>ist kein vollständiger Ordnerpfad (%1)</translation>
    </message>
    <message>
        <source>names a folder that does not exist (%1)</source>
        <translation>nennt einen Ordner, den es nicht gibt (%1)</translation>
    </message>
    <message>
        <source>a closing brace has no opening one</source>
        <translation>eine schließende geschweifte Klammer hat keine öffnende</translation>
    </message>
    <message>
        <source>is damaged at line %1: %2</source>
        <translation>ist in Zeile %1 beschädigt: %2</translation>
    </message>
    <message>
        <source>a quoted text has no closing quote</source>
        <translation>ein Text in Anführungszeichen hat kein schließendes Anführungszeichen</translation>
    </message>
    <message>
        <source>a condition has no closing bracket</source>
        <translation>eine Bedingung hat keine schließende eckige Klammer</translation>
    </message>
    <message>
        <source>blocks are nested deeper than %1</source>
        <translation>Blöcke sind tiefer als %1 verschachtelt</translation>
    </message>
    <message>
        <source>the file ends inside a block (it was cut off)</source>
        <translation>die Datei endet mitten in einem Block (sie wurde abgeschnitten)</translation>
    </message>
    <message>
        <source>a block has no key</source>
        <translation>ein Block hat keinen Schlüssel</translation>
    </message>
    <message>
        <source>more than %1 keys</source>
        <translation>mehr als %1 Schlüssel</translation>
    </message>
    <message>
        <source>the file ends after a key (it was cut off)</source>
        <translation>die Datei endet nach einem Schlüssel (sie wurde abgeschnitten)</translation>
    </message>
    <message>
        <source>a key has no value</source>
        <translation>ein Schlüssel hat keinen Wert</translation>
    </message>
    <message>
        <source>is not a text file (it holds NUL bytes)</source>
        <translation>ist keine Textdatei (sie enthält NUL-Bytes)</translation>
    </message>
    <message>
        <source>is not a list of Steam libraries (it has no &quot;libraryfolders&quot; block)</source>
        <translation>ist keine Liste von Steam-Bibliotheken (sie hat keinen Block „libraryfolders“)</translation>
    </message>
    <message>
        <source>is too large to read</source>
        <translation>ist zu groß zum Lesen</translation>
    </message>
    <message>
        <source>binary data holds &apos;%1&apos;</source>
        <translation>Binärdaten enthalten „%1“</translation>
    </message>
    <message>
        <source>a text has no closing quote</source>
        <translation>ein Text hat kein schließendes Anführungszeichen</translation>
    </message>
    <message>
        <source>text follows a closed value</source>
        <translation>auf einen abgeschlossenen Wert folgt Text</translation>
    </message>
    <message>
        <source>a value name has no closing quote</source>
        <translation>ein Wertname hat kein schließendes Anführungszeichen</translation>
    </message>
    <message>
        <source>a value name is not followed by &apos;=&apos;</source>
        <translation>auf einen Wertnamen folgt kein „=“</translation>
    </message>
    <message>
        <source>a text type has no closing parenthesis</source>
        <translation>ein Texttyp hat keine schließende Klammer</translation>
    </message>
    <message>
        <source>a typed text is not quoted</source>
        <translation>ein typisierter Text steht nicht in Anführungszeichen</translation>
    </message>
    <message>
        <source>a dword value does not have eight hex digits</source>
        <translation>ein dword-Wert hat nicht acht Hexadezimalziffern</translation>
    </message>
    <message>
        <source>a binary type has no closing parenthesis</source>
        <translation>ein Binärtyp hat keine schließende Klammer</translation>
    </message>
    <message>
        <source>a value of unknown type</source>
        <translation>ein Wert unbekannten Typs</translation>
    </message>
    <message>
        <source>the line is longer than %1</source>
        <translation>die Zeile ist länger als %1</translation>
    </message>
    <message>
        <source>is not a Wine registry file (its first line is not &quot;%1&quot;)</source>
        <translation>ist keine Wine-Registrierungsdatei (ihre erste Zeile ist nicht „%1“)</translation>
    </message>
    <message>
        <source>a key name has no closing bracket</source>
        <translation>ein Schlüsselname hat keine schließende eckige Klammer</translation>
    </message>
    <message>
        <source>the line is neither a key nor a value</source>
        <translation>die Zeile ist weder ein Schlüssel noch ein Wert</translation>
    </message>
    <message>
        <source>a value stands before the first key</source>
        <translation>ein Wert steht vor dem ersten Schlüssel</translation>
    </message>
    <message>
        <source>is empty</source>
        <translation>ist leer</translation>
    </message>
    <message>
        <source>ends inside a value (the file was cut off)</source>
        <translation>endet mitten in einem Wert (die Datei wurde abgeschnitten)</translation>
    </message>
</context>
<context>
    <name>GameRunningGuard</name>
    <message>
        <source>The Sims 2 Is Running</source>
        <translation>Die Sims 2 läuft</translation>
    </message>
</context>
<context>
    <name>GameSearch</name>
    <message>
        <source>the setting &quot;%1&quot; %2</source>
        <translation>die Einstellung „%1“ %2</translation>
    </message>
</context>
<context>
    <name>LibraryHealth</name>
    <message>
        <source>The package is the container of a later game (version %1.%2); this game reads version 1</source>
        <translation>Das Paket ist der Container eines späteren Spiels (Version %1.%2); dieses Spiel liest Version 1</translation>
    </message>
    <message>
        <source>Resource %1 (%2) lies past the end of the file: %3 bytes at offset %4, file %5 bytes</source>
        <translation>Ressource %1 (%2) liegt hinter dem Ende der Datei: %3 Bytes an Position %4, Datei %5 Bytes</translation>
    </message>
    <message>
        <source>The directory of compressed files lists %1, which is not in the package</source>
        <translation>Das Verzeichnis der komprimierten Dateien nennt %1, das nicht im Paket ist</translation>
    </message>
    <message>
        <source>The directory of compressed files disagrees with resource %1: %2</source>
        <translation>Das Verzeichnis der komprimierten Dateien widerspricht Ressource %1: %2</translation>
    </message>
    <message>
        <source>compressed but not listed</source>
        <translation>komprimiert, aber nicht aufgeführt</translation>
    </message>
    <message>
        <source>listed but not compressed</source>
        <translation>aufgeführt, aber nicht komprimiert</translation>
    </message>
    <message>
        <source>The file is empty</source>
        <translation>Die Datei ist leer</translation>
    </message>
</context>
<context>
    <name>LibraryIndex</name>
    <message>
        <source>The library index failed (%1): %2</source>
        <translation>Fehler im Bibliotheksindex (%1): %2</translation>
    </message>
    <message>
        <source>The library index failed: %1</source>
        <translation>Fehler im Bibliotheksindex: %1</translation>
    </message>
</context>
<context>
    <name>NumericFields</name>
    <message>
        <source>Price</source>
        <translation>Preis</translation>
    </message>
    <message>
        <source>Hunger</source>
        <translation>Hunger</translation>
    </message>
    <message>
        <source>Comfort</source>
        <translation>Komfort</translation>
    </message>
    <message>
        <source>Hygiene</source>
        <translation>Hygiene</translation>
    </message>
    <message>
        <source>Bladder</source>
        <translation>Blase</translation>
    </message>
    <message>
        <source>Energy</source>
        <translation>Energie</translation>
    </message>
    <message>
        <source>Fun</source>
        <translation>Spaß</translation>
    </message>
    <message>
        <source>Room</source>
        <translation>Umgebung</translation>
    </message>
    <message>
        <source>Room motive</source>
        <translation>Umgebungsbedürfnis</translation>
    </message>
    <message>
        <source>Niceness Multiplier:</source>
        <translation>Schönheitsfaktor:</translation>
    </message>
    <message>
        <source>Niceness Multiplier</source>
        <translation>Schönheitsfaktor</translation>
    </message>
    <message>
        <source>Initial</source>
        <translation>Anfangswert</translation>
    </message>
    <message>
        <source>Initial Depreciation</source>
        <translation>Anfangswertverlust</translation>
    </message>
    <message>
        <source>Daily</source>
        <translation>Täglich</translation>
    </message>
    <message>
        <source>Daily Depreciation</source>
        <translation>Täglicher Wertverlust</translation>
    </message>
    <message>
        <source>Limit</source>
        <translation>Grenze</translation>
    </message>
    <message>
        <source>Depreciation Limit</source>
        <translation>Wertverlustgrenze</translation>
    </message>
</context>
<context>
    <name>ObjectColumn</name>
    <message>
        <source>Thumbnail</source>
        <translation>Miniatur</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>Price</source>
        <translation>Preis</translation>
    </message>
    <message>
        <source>Function</source>
        <translation>Funktion</translation>
    </message>
    <message>
        <source>Function Sub-category</source>
        <translation>Funktions-Unterkategorie</translation>
    </message>
    <message>
        <source>Rooms</source>
        <translation>Räume</translation>
    </message>
    <message>
        <source>Community</source>
        <translation>Gemeinschaft</translation>
    </message>
    <message>
        <source>Build</source>
        <translation>Bautyp</translation>
    </message>
    <message>
        <source>Build Sub-type</source>
        <translation>Bau-Untertyp</translation>
    </message>
    <message>
        <source>Skills</source>
        <translation>Fähigkeiten</translation>
    </message>
    <message>
        <source>Wants</source>
        <translation>Wünsche</translation>
    </message>
    <message>
        <source>GUID</source>
        <translation>GUID</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Datei</translation>
    </message>
</context>
<context>
    <name>ObjectEditor</name>
    <message>
        <source>Missing OBJD</source>
        <translation>OBJD fehlt</translation>
    </message>
    <message>
        <source>OBJD too short: %1 bytes, the catalog fields need %2</source>
        <translation>OBJD zu kurz: %1 Bytes, die Katalogfelder brauchen %2</translation>
    </message>
</context>
<context>
    <name>OriginalRestore</name>
    <message>
        <source>Restore Original</source>
        <translation>Original wiederherstellen</translation>
    </message>
    <message>
        <source>Restore the original version of %1? The current version is kept as a backup.</source>
        <translation>Die Originalversion von %1 wiederherstellen? Die aktuelle Version wird als Sicherung aufbewahrt.</translation>
    </message>
    <message>
        <source>No backup of this object is kept.</source>
        <translation>Von diesem Objekt wird keine Sicherung aufbewahrt.</translation>
    </message>
    <message>
        <source>The original version of %1 was restored.</source>
        <translation>Die Originalversion von %1 wurde wiederhergestellt.</translation>
    </message>
</context>
<context>
    <name>PackageReader</name>
    <message numerus="yes">
        <source>%n byte(s)</source>
        <translation>
            <numerusform>%n Byte</numerusform>
            <numerusform>%n Bytes</numerusform>
        </translation>
    </message>
    <message>
        <source>1 entry</source>
        <translation>1 Eintrag</translation>
    </message>
    <message numerus="yes">
        <source>%n entries</source>
        <translation>
            <numerusform>%n Eintrag</numerusform>
            <numerusform>%n Einträge</numerusform>
        </translation>
    </message>
    <message>
        <source>file</source>
        <extracomment>What a package read from disk is called. Every refusal naming it can be said as &quot;of the file&quot; (&quot;the end of the file&quot;, &quot;the length of the file&quot;), so the translation may carry that article.</extracomment>
        <translation>der Datei</translation>
    </message>
    <message>
        <source>A read of %1 bytes at offset %2 lies outside the package (%3 bytes)</source>
        <translation>Ein Lesevorgang von %1 Bytes an Position %2 liegt außerhalb des Pakets (%3 Bytes)</translation>
    </message>
    <message>
        <source>package</source>
        <extracomment>What a package read from memory is called. Every refusal naming it can be said as &quot;of the package&quot; (&quot;the end of the package&quot;, &quot;the length of the package&quot;), so the translation may carry that article.</extracomment>
        <translation>des Pakets</translation>
    </message>
    <message>
        <source>The %1 is %2 long, shorter than the 96-byte package header</source>
        <translation>Die Länge %1 beträgt %2, weniger als der 96 Byte lange Paketkopf</translation>
    </message>
    <message>
        <source>Index count %1 is negative</source>
        <translation>Die Zahl der Einträge des Index (%1) ist negativ</translation>
    </message>
    <message>
        <source>Index of %1 starts at offset %2, before the start of the %3</source>
        <translation>Der Index mit %1 beginnt an Position %2, vor dem Anfang %3</translation>
    </message>
    <message>
        <source>Index of %1 at offset %2 runs past the end of the %3 (%4)</source>
        <translation>Der Index mit %1 an Position %2 reicht über das Ende %3 (%4) hinaus</translation>
    </message>
    <message>
        <source>The index ended early while it was read (the file changed)</source>
        <translation>Der Index endete beim Lesen zu früh (die Datei wurde geändert)</translation>
    </message>
    <message>
        <source>Resource %1 of %2 (type %3)</source>
        <translation>Ressource %1 von %2 (Typ %3)</translation>
    </message>
    <message>
        <source>%1 starts at offset %2, before the start of the %3</source>
        <translation>%1 beginnt an Position %2, vor dem Anfang %3</translation>
    </message>
    <message>
        <source>%1 has a negative size (%2)</source>
        <translation>%1 hat eine negative Größe (%2)</translation>
    </message>
    <message>
        <source>%1 at offset %2 with %3 runs past the end of the %4 (%5)</source>
        <translation>%1 an Position %2 mit %3 reicht über das Ende %4 (%5) hinaus</translation>
    </message>
    <message>
        <source>The index&apos;s %1 name resources of %2 in all, more than the %3 (%4) can hold even with shared ranges</source>
        <translation>Die Einträge des Index (%1) nennen Ressourcen von insgesamt %2, mehr als der Umfang %3 (%4) selbst mit gemeinsam genutzten Bereichen fassen kann</translation>
    </message>
    <message>
        <source>The package header needs 96 bytes, %1 are there</source>
        <translation>Der Paketkopf braucht 96 Bytes, vorhanden sind %1</translation>
    </message>
</context>
<context>
    <name>PackageScan</name>
    <message>
        <source>The file name is not valid Unicode (the odd character is shown as �); rename the file to use it</source>
        <translation>Der Dateiname ist kein gültiges Unicode (das fremde Zeichen wird als � angezeigt); benenne die Datei um, um sie zu verwenden</translation>
    </message>
    <message>
        <source>Windows does not allow this file name (the name %1), so the game cannot load it; rename the file to use it</source>
        <translation>Windows erlaubt diesen Dateinamen nicht (der Name %1), daher kann das Spiel die Datei nicht laden; benenne die Datei um, um sie zu verwenden</translation>
    </message>
    <message>
        <source>There is not enough memory to read the package</source>
        <translation>Es ist nicht genug Speicher frei, um das Paket zu lesen</translation>
    </message>
</context>
<context>
    <name>PackageWriter</name>
    <message>
        <source>%1 %2 has a %3 of %4 bytes; identifiers are 4 bytes</source>
        <translation>%1 %2 hat eine %3 von %4 Bytes; Kennungen sind 4 Bytes lang</translation>
    </message>
    <message>
        <source>type identifier</source>
        <translation>Typkennung</translation>
    </message>
    <message>
        <source>Resource</source>
        <translation>Ressource</translation>
    </message>
    <message>
        <source>group identifier</source>
        <translation>Gruppenkennung</translation>
    </message>
    <message>
        <source>instance identifier</source>
        <translation>Instanzkennung</translation>
    </message>
    <message>
        <source>resource identifier</source>
        <translation>Ressourcenkennung</translation>
    </message>
    <message>
        <source>The package would grow past 2 GiB at resource %1; offsets in a package are 32-bit</source>
        <translation>Das Paket würde bei Ressource %1 über 2 GiB wachsen; Positionen in einem Paket sind 32 Bit breit</translation>
    </message>
    <message>
        <source>The package&apos;s index would end past 2 GiB; offsets in a package are 32-bit</source>
        <translation>Der Index des Pakets würde hinter 2 GiB enden; Positionen in einem Paket sind 32 Bit breit</translation>
    </message>
    <message>
        <source>%1 (still so after %2 retries)</source>
        <translation>%1 (auch nach %2 Versuchen noch)</translation>
    </message>
    <message>
        <source>Directory entry</source>
        <translation>Verzeichniseintrag</translation>
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
        <translation>%1 und %2</translation>
    </message>
</context>
<context>
    <name>RecolorTrash</name>
    <message>
        <source>The files go to the trash, from where they can still be restored.</source>
        <translation>Die Dateien kommen in den Papierkorb, aus dem sie sich noch wiederherstellen lassen.</translation>
    </message>
    <message>
        <source>This system has no trash: the files are deleted for good.</source>
        <translation>Dieses System hat keinen Papierkorb: Die Dateien werden endgültig gelöscht.</translation>
    </message>
</context>
<context>
    <name>Resources</name>
    <message>
        <source>Object definition</source>
        <translation>Objektdefinition</translation>
    </message>
    <message>
        <source>Package index</source>
        <translation>Paketindex</translation>
    </message>
    <message>
        <source>Hole table</source>
        <translation>Lückentabelle</translation>
    </message>
    <message>
        <source>Package header</source>
        <translation>Paketkopf</translation>
    </message>
    <message>
        <source>Directory of compressed files</source>
        <translation>Verzeichnis der komprimierten Dateien</translation>
    </message>
    <message>
        <source>Property set</source>
        <translation>Eigenschaftensatz</translation>
    </message>
    <message>
        <source>is %1, but %2 bytes cannot hold that many items</source>
        <translation>ist %1, aber %2 Bytes können nicht so viele Einträge fassen</translation>
    </message>
    <message>
        <source>is %1, but %2 bytes cannot hold that many records of %3 bytes</source>
        <translation>ist %1, aber %2 Bytes können nicht so viele Datensätze von %3 Bytes fassen</translation>
    </message>
    <message>
        <source>Resource collection</source>
        <translation>Ressourcensammlung</translation>
    </message>
    <message>
        <source>Texture image</source>
        <translation>Texturbild</translation>
    </message>
    <message>
        <source>is negative (%1)</source>
        <translation>ist negativ (%1)</translation>
    </message>
    <message>
        <source>%1: %2 at offset %3 needs %4 bytes, but only %5 of %6 are left</source>
        <translation>%1: %2 an Position %3 braucht %4 Bytes, aber nur %5 von %6 sind übrig</translation>
    </message>
    <message>
        <source>%1: %2 at offset %3 %4</source>
        <translation>%1: %2 an Position %3 %4</translation>
    </message>
    <message>
        <source>Sims2Pack header</source>
        <translation>Sims2Pack-Kopf</translation>
    </message>
    <message>
        <source>Text list</source>
        <translation>Textliste</translation>
    </message>
    <message>
        <source>declares %1 entries, but only %2 bytes follow</source>
        <translation>gibt %1 Einträge an, aber nur %2 Bytes folgen</translation>
    </message>
</context>
<context>
    <name>RestoreOriginalAction</name>
    <message>
        <source>The original could not be restored; the file was left as it was.<byte value="xd"/>
<byte value="xd"/>
</source>
        <translation>Das Original konnte nicht wiederhergestellt werden; die Datei blieb unverändert.<byte value="xd"/>
<byte value="xd"/>
</translation>
    </message>
</context>
<context>
    <name>RunningGame</name>
    <message>
        <source>The Sims 2 is running (%1). Close the game before changing your downloads.</source>
        <translation>Die Sims 2 läuft (%1). Beende das Spiel, bevor du deine Downloads änderst.</translation>
    </message>
</context>
<context>
    <name>Sims2Pack</name>
    <message numerus="yes">
        <source>%n byte(s)</source>
        <translation>
            <numerusform>%n Byte</numerusform>
            <numerusform>%n Bytes</numerusform>
        </translation>
    </message>
    <message>
        <source>the XML&apos;s root element is &lt;%1&gt;, not &lt;Sims2Package&gt;</source>
        <translation>das Wurzelelement des XML ist &lt;%1&gt;, nicht &lt;Sims2Package&gt;</translation>
    </message>
    <message>
        <source>item %1 has two &lt;%2&gt; elements</source>
        <translation>Eintrag %1 hat zwei &lt;%2&gt;-Elemente</translation>
    </message>
    <message>
        <source>the XML lists more than %1 items</source>
        <translation>das XML führt mehr als %1 Einträge auf</translation>
    </message>
    <message>
        <source>the XML lists more than %1 dependencies</source>
        <translation>das XML führt mehr als %1 Abhängigkeiten auf</translation>
    </message>
    <message>
        <source>%1 has an empty &lt;%2&gt;</source>
        <translation>%1 hat ein leeres &lt;%2&gt;</translation>
    </message>
    <message>
        <source>the &lt;%1&gt; of %2 is negative (%3)</source>
        <translation>das &lt;%1&gt; von %2 ist negativ (%3)</translation>
    </message>
    <message>
        <source>the &lt;%1&gt; of %2 is &quot;%3&quot;, not a whole number</source>
        <translation>das &lt;%1&gt; von %2 ist „%3“, keine ganze Zahl</translation>
    </message>
    <message>
        <source>the &lt;%1&gt; of %2 (%3) is too large</source>
        <translation>das &lt;%1&gt; von %2 (%3) ist zu groß</translation>
    </message>
    <message>
        <source>%1 lies outside the data: its Offset %2 and Length %3 end at byte %4 of the data, which holds %5</source>
        <translation>%1 liegt außerhalb der Daten: Offset %2 und Length %3 enden bei Byte %4 der Daten, die %5 enthalten</translation>
    </message>
    <message>
        <source>%1 and %2 overlap: they hold bytes %3 to %4 and %5 to %6 of the data</source>
        <translation>%1 und %2 überschneiden sich: Sie belegen die Bytes %3 bis %4 und %5 bis %6 der Daten</translation>
    </message>
    <message>
        <source>the data begins with %1 that belong to no item (the first item, %2, starts at byte %3)</source>
        <translation>die Daten beginnen mit %1, die zu keinem Eintrag gehören (der erste Eintrag, %2, beginnt bei Byte %3)</translation>
    </message>
    <message>
        <source>the Length of %1 (%2) disagrees with the data: it ends at byte %3, but the next item starts at byte %4</source>
        <translation>die Length von %1 (%2) passt nicht zu den Daten: Der Eintrag endet bei Byte %3, aber der nächste beginnt bei Byte %4</translation>
    </message>
    <message>
        <source>the XML lists no item with any bytes, but %1 of data follow it</source>
        <translation>das XML führt keinen Eintrag mit Bytes auf, aber danach folgen %1 Daten</translation>
    </message>
    <message>
        <source>the Length of %1 (%2) disagrees with the data: the items end at byte %3, but the data holds %4</source>
        <translation>die Length von %1 (%2) passt nicht zu den Daten: Die Einträge enden bei Byte %3, aber die Daten enthalten %4</translation>
    </message>
    <message>
        <source>item %1 (&quot;%2&quot;)</source>
        <translation>Eintrag %1 („%2“)</translation>
    </message>
    <message>
        <source>the file is %1 long, shorter than the 22-byte header of a Sims2Pack file</source>
        <translation>die Datei ist %1 lang, kürzer als der 22 Byte lange Kopf einer Sims2Pack-Datei</translation>
    </message>
    <message>
        <source>not a Sims2Pack file: bytes 0 to 17 hold &quot;%1&quot;, not &quot;%2&quot; or &quot;%3&quot;</source>
        <translation>keine Sims2Pack-Datei: Die Bytes 0 bis 17 enthalten „%1“, nicht „%2“ oder „%3“</translation>
    </message>
    <message>
        <source>the data offset (bytes 18 to 21) is %1, before byte 22, where the XML begins</source>
        <translation>der Datenbeginn (Bytes 18 bis 21) ist %1, vor Byte 22, wo das XML beginnt</translation>
    </message>
    <message>
        <source>the data offset (bytes 18 to 21) is %1, past the end of the file (%2)</source>
        <translation>der Datenbeginn (Bytes 18 bis 21) ist %1, hinter dem Ende der Datei (%2)</translation>
    </message>
    <message>
        <source>the XML (bytes 22 to %1) is %2 long, more than the 16 MiB allowed</source>
        <translation>das XML (Bytes 22 bis %1) ist %2 lang, mehr als die erlaubten 16 MiB</translation>
    </message>
    <message>
        <source>the XML cannot be read: %1</source>
        <translation>das XML kann nicht gelesen werden: %1</translation>
    </message>
    <message>
        <source>%1 has no &lt;Length&gt;</source>
        <translation>%1 hat kein &lt;Length&gt;</translation>
    </message>
    <message>
        <source>%1 has no &lt;Offset&gt;</source>
        <translation>%1 hat kein &lt;Offset&gt;</translation>
    </message>
    <message>
        <source>the file holds %1 bytes, more than the 2 GiB a Sims2Pack file can hold</source>
        <translation>die Datei enthält %1 Bytes, mehr als die 2 GiB, die eine Sims2Pack-Datei fassen kann</translation>
    </message>
</context>
<context>
    <name>Sims2PackInstall</name>
    <message>
        <source>%1 is not a readable package: %2</source>
        <translation>%1 ist kein lesbares Paket: %2</translation>
    </message>
    <message>
        <source>%1: the name %2</source>
        <translation>%1: der Name %2</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a folder</source>
        <translation>„%1“ ist kein Ordner</translation>
    </message>
    <message>
        <source>The folder %1 cannot be listed: %2</source>
        <translation>Der Inhalt des Ordners %1 kann nicht gelesen werden: %2</translation>
    </message>
    <message>
        <source>&quot;%1&quot; cannot be compared with the item: %2</source>
        <translation>„%1“ kann nicht mit dem Eintrag verglichen werden: %2</translation>
    </message>
    <message>
        <source>the folder cannot be created: %1</source>
        <translation>der Ordner kann nicht angelegt werden: %1</translation>
    </message>
    <message>
        <source>a file of that name appeared meanwhile</source>
        <translation>inzwischen ist eine Datei dieses Namens aufgetaucht</translation>
    </message>
    <message>
        <source>%1 could not be written (%2); nothing was written from the Sims2Pack</source>
        <translation>%1 konnte nicht geschrieben werden (%2); aus dem Sims2Pack wurde nichts geschrieben</translation>
    </message>
    <message>
        <source>the file&apos;s name gives no folder to install into (&quot;%1&quot; %2); choose a folder</source>
        <translation>der Name der Datei ergibt keinen Ordner zum Installieren („%1“ %2); wähle einen Ordner</translation>
    </message>
    <message>
        <source>%1 and %2 share a name</source>
        <translation>%1 und %2 haben denselben Namen</translation>
    </message>
    <message>
        <source>%1: &quot;%2&quot; holds %3 numbered files of its name already</source>
        <translation>%1: „%2“ enthält bereits %3 nummerierte Dateien dieses Namens</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is taken in &quot;%2&quot; by a different file</source>
        <translation>„%1“ ist in „%2“ schon von einer anderen Datei belegt</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is taken in &quot;%2&quot; by a different file, and so is 1 more name</source>
        <translation>„%1“ ist in „%2“ schon von einer anderen Datei belegt, und ebenso 1 weiterer Name</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is taken in &quot;%2&quot; by a different file, and so are %3 more names</source>
        <translation>„%1“ ist in „%2“ schon von einer anderen Datei belegt, und ebenso %3 weitere Namen</translation>
    </message>
    <message>
        <source>&quot;%1&quot; holds &quot;%2&quot; already</source>
        <translation>„%1“ enthält „%2“ bereits</translation>
    </message>
    <message>
        <source>The game&apos;s Downloads folder was not found; choose a folder to install into</source>
        <translation>Der Downloads-Ordner des Spiels wurde nicht gefunden; wähle einen Ordner zum Installieren</translation>
    </message>
    <message>
        <source>%1; choose a folder to install into</source>
        <translation>%1; wähle einen Ordner zum Installieren</translation>
    </message>
</context>
<context>
    <name>Sims2PackInstallWork</name>
    <message>
        <source>GUID clashes were not checked: the game&apos;s Downloads folder was not found.</source>
        <translation>GUID-Konflikte wurden nicht geprüft: Der Downloads-Ordner des Spiels wurde nicht gefunden.</translation>
    </message>
    <message>
        <source>GUID clashes were not checked: %1</source>
        <translation>GUID-Konflikte wurden nicht geprüft: %1</translation>
    </message>
    <message>
        <source>GUID clashes were not checked: this build has no library index.</source>
        <translation>GUID-Konflikte wurden nicht geprüft: Diese Programmversion hat keinen Bibliotheksindex.</translation>
    </message>
</context>
<context>
    <name>StartupChecks</name>
    <message>
        <source>Kelvora DLL version obsolete!</source>
        <translation>Kelvora-DLL-Version veraltet!</translation>
    </message>
    <message>
        <source>DLL version found: %1</source>
        <translation>Gefundene DLL-Version: %1</translation>
    </message>
    <message>
        <source>DLL version required: %1</source>
        <translation>Benötigte DLL-Version: %1</translation>
    </message>
    <message>
        <source>Can not find the documents folder!</source>
        <translation>Der Dokumente-Ordner wurde nicht gefunden!</translation>
    </message>
    <message>
        <source>Can not find the path to the Sims 2!</source>
        <translation>Der Pfad zu Die Sims 2 wurde nicht gefunden!</translation>
    </message>
    <message>
        <source>Can not find Sims 2 data path!</source>
        <translation>Der Datenpfad von Die Sims 2 wurde nicht gefunden!</translation>
    </message>
    <message>
        <source>Program can not be run from the sims data folder!</source>
        <translation>Das Programm kann nicht aus dem Sims-Datenordner gestartet werden!</translation>
    </message>
    <message>
        <source>Kelvora DLL not found!</source>
        <translation>Kelvora-DLL nicht gefunden!</translation>
    </message>
    <message>
        <source>Kelvora DLL can not be used!</source>
        <translation>Kelvora-DLL kann nicht verwendet werden!</translation>
    </message>
    <message>
        <source>Can not create the temp folder!</source>
        <translation>Der temporäre Ordner kann nicht angelegt werden!</translation>
    </message>
</context>
<context>
    <name>SupportLibrary</name>
    <message>
        <source>The support library &quot;%1&quot; could not be loaded (%2)</source>
        <translation>Die Hilfsbibliothek „%1“ konnte nicht geladen werden (%2)</translation>
    </message>
    <message>
        <source>The support library &quot;%1&quot; has no function &quot;%2&quot;</source>
        <translation>Die Hilfsbibliothek „%1“ hat keine Funktion „%2“</translation>
    </message>
    <message>
        <source>%1 of %2 bytes is too large for the support library</source>
        <translation>%1 von %2 Bytes ist zu groß für die Hilfsbibliothek</translation>
    </message>
    <message>
        <source>A compressed resource</source>
        <translation>Eine komprimierte Ressource</translation>
    </message>
    <message>
        <source>A resource</source>
        <translation>Eine Ressource</translation>
    </message>
    <message>
        <source>A pixel buffer</source>
        <translation>Ein Pixelpuffer</translation>
    </message>
</context>
<context>
    <name>ThumbnailPages</name>
    <message>
        <source>Page %1 of %2</source>
        <translation>Seite %1 von %2</translation>
    </message>
</context>
<context>
    <name>ThumbnailPurge</name>
    <message>
        <source>The backup folder %1 cannot be created: %2</source>
        <translation>Der Sicherungsordner %1 kann nicht angelegt werden: %2</translation>
    </message>
    <message>
        <source>The previous %1 could not be kept in %2: %3</source>
        <translation>Die vorherige Fassung von %1 konnte nicht in %2 aufbewahrt werden: %3</translation>
    </message>
    <message>
        <source>%1 changed on disk while it was purged; try again when the game is closed</source>
        <translation>%1 wurde während des Löschens auf der Festplatte geändert; versuche es erneut, wenn das Spiel geschlossen ist</translation>
    </message>
    <message>
        <source>%1 is corrupt!!!<byte value="xd"/>
<byte value="xd"/>
Operation aborted.</source>
        <translation>%1 ist beschädigt!!!<byte value="xd"/>
<byte value="xd"/>
Vorgang abgebrochen.</translation>
    </message>
    <message>
        <source>Resource %1 of %2 (type %3) at offset %4 with %5 bytes lies outside the file (%6 bytes)</source>
        <translation>Ressource %1 von %2 (Typ %3) an Position %4 mit %5 Bytes liegt außerhalb der Datei (%6 Bytes)</translation>
    </message>
    <message>
        <source>The rewritten %1 would grow past 2 GiB; offsets in a package are 32-bit</source>
        <translation>%1 würde neu geschrieben über 2 GiB wachsen; Positionen in einem Paket sind 32 Bit breit</translation>
    </message>
</context>
<context>
    <name>ThumbnailPurgeAction</name>
    <message>
        <source>This menu choice will delete all of the thumbnails for this object, including recolors. When a new mesh or texture is created for an object, the old thumbnails are not updated to reflect the changes. For object creators this can be a real annoyance. The game will generate new thumbnails for an object the next time you view the catalog information for it in the game. (Note: This can take a long time to finish if you have alot of custom content.)</source>
        <translation>Dieser Menüpunkt löscht alle Miniaturbilder dieses Objekts, auch die seiner Recolors. Bekommt ein Objekt ein neues Mesh oder eine neue Textur, werden die alten Miniaturbilder nicht angepasst. Für Objektersteller kann das sehr lästig sein. Das Spiel erzeugt neue Miniaturbilder, wenn du die Katalogdaten des Objekts im Spiel das nächste Mal ansiehst. (Hinweis: Bei viel Custom Content kann das lange dauern.)</translation>
    </message>
    <message>
        <source>Would you like to delete all the thumbnails for this object?</source>
        <translation>Möchtest du alle Miniaturbilder dieses Objekts löschen?</translation>
    </message>
    <message>
        <source>%1 does not exist and was skipped.</source>
        <translation>%1 existiert nicht und wurde übersprungen.</translation>
    </message>
    <message>
        <source>%1 was left as it was.</source>
        <translation>%1 blieb unverändert.</translation>
    </message>
    <message>
        <source>Purging thumbnails...</source>
        <translation>Miniaturbilder werden gelöscht...</translation>
    </message>
    <message>
        <source>Delete Selected Object Thumbnails</source>
        <translation>Miniaturbilder des ausgewählten Objekts löschen</translation>
    </message>
    <message>
        <source>CONFIRM ACTION</source>
        <translation>AKTION BESTÄTIGEN</translation>
    </message>
    <message>
        <source>EXTREMELY BAD ERROR</source>
        <translation>SEHR SCHWERER FEHLER</translation>
    </message>
    <message>
        <source>OPERATION CANCELLED</source>
        <translation>VORGANG ABGEBROCHEN</translation>
    </message>
    <message>
        <source>The purge was cancelled.</source>
        <translation>Das Löschen wurde abgebrochen.</translation>
    </message>
    <message>
        <source>OPERATION SUCCESSFUL</source>
        <translation>VORGANG ERFOLGREICH</translation>
    </message>
    <message>
        <source>All thumbnails for the selected object have been purged.</source>
        <translation>Alle Miniaturbilder des ausgewählten Objekts wurden gelöscht.</translation>
    </message>
    <message>
        <source>No object is selected</source>
        <translation>Es ist kein Objekt ausgewählt</translation>
    </message>
</context>
<context>
    <name>Words</name>
    <message>
        <source>The file is too short to be a package</source>
        <translation>Die Datei ist zu kurz für ein Paket</translation>
    </message>
    <message>
        <source>The file is damaged: its table of contents runs past its end</source>
        <translation>Die Datei ist beschädigt: ihr Inhaltsverzeichnis reicht über ihr Ende hinaus</translation>
    </message>
    <message>
        <source>The file is damaged: its table of contents is garbled</source>
        <translation>Die Datei ist beschädigt: ihr Inhaltsverzeichnis ist unlesbar</translation>
    </message>
    <message>
        <source>The file changed while it was being read</source>
        <translation>Die Datei wurde beim Lesen geändert</translation>
    </message>
    <message>
        <source>The file is damaged: a part of it runs past its end (it may be cut short)</source>
        <translation>Die Datei ist beschädigt: ein Teil reicht über ihr Ende hinaus (sie ist vielleicht abgeschnitten)</translation>
    </message>
    <message>
        <source>The file is damaged: a part of it is garbled</source>
        <translation>Die Datei ist beschädigt: ein Teil davon ist unlesbar</translation>
    </message>
    <message>
        <source>The file is damaged: it ends too early</source>
        <translation>Die Datei ist beschädigt: sie endet zu früh</translation>
    </message>
    <message>
        <source>The file cannot be read as a package</source>
        <translation>Die Datei kann nicht als Paket gelesen werden</translation>
    </message>
</context>
<context>
    <name>WorkProgress</name>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Cancelling...</source>
        <translation>Wird abgebrochen...</translation>
    </message>
</context>
<context>
    <name>varnick::AboutDialog</name>
    <message>
        <source>(not found)</source>
        <translation>(nicht gefunden)</translation>
    </message>
    <message>
        <source>not loaded (%1)</source>
        <translation>nicht geladen (%1)</translation>
    </message>
    <message>
        <source>(none)</source>
        <translation>(keiner)</translation>
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
        <translation>Qt: %1 (erstellt mit %2)</translation>
    </message>
    <message>
        <source>Game folder: %1</source>
        <translation>Spielordner: %1</translation>
    </message>
    <message>
        <source>Data folder: %1</source>
        <translation>Datenordner: %1</translation>
    </message>
    <message>
        <source>Settings: %1</source>
        <translation>Einstellungen: %1</translation>
    </message>
    <message>
        <source>Backups: %1</source>
        <translation>Sicherungen: %1</translation>
    </message>
    <message>
        <source>Library index: %1</source>
        <translation>Bibliotheksindex: %1</translation>
    </message>
    <message>
        <source>About Varnick</source>
        <translation>Über Varnick</translation>
    </message>
    <message>
        <source>Browse, edit and tidy the custom objects you downloaded for the game.</source>
        <translation>Durchsuche, bearbeite und ordne die eigenen Objekte, die du für das Spiel heruntergeladen hast.</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Kopieren</translation>
    </message>
    <message>
        <source>Puts these lines on the clipboard, to paste into a question on a help forum.</source>
        <translation>Kopiert diese Zeilen in die Zwischenablage, um sie in eine Frage in einem Hilfeforum einzufügen.</translation>
    </message>
    <message>
        <source>Versions and folders</source>
        <translation>Versionen und Ordner</translation>
    </message>
</context>
<context>
    <name>varnick::AppearanceDialog</name>
    <message>
        <source>Appearance</source>
        <translation>Darstellung</translation>
    </message>
    <message>
        <source>System</source>
        <translation>System</translation>
    </message>
    <message>
        <source>Light</source>
        <translation>Hell</translation>
    </message>
    <message>
        <source>Dark</source>
        <translation>Dunkel</translation>
    </message>
    <message>
        <source>&amp;Colours:</source>
        <translation>&amp;Farben:</translation>
    </message>
    <message>
        <source>System follows the look of your desktop.</source>
        <translation>System folgt dem Aussehen deines Desktops.</translation>
    </message>
</context>
<context>
    <name>varnick::FolderPane</name>
    <message>
        <source>Do&amp;wnloads Folder</source>
        <translation>Do&amp;wnloads-Ordner</translation>
    </message>
    <message>
        <source>&amp;Alternate Path</source>
        <translation>&amp;Anderer Pfad</translation>
    </message>
    <message>
        <source>Alternate Path: %1</source>
        <translation>Anderer Pfad: %1</translation>
    </message>
    <message>
        <source>Folders</source>
        <translation>Ordner</translation>
    </message>
</context>
<context>
    <name>varnick::HelpViewer</name>
    <message>
        <source>&amp;Contents</source>
        <translation>&amp;Inhalt</translation>
    </message>
    <message>
        <source>&amp;Back</source>
        <translation>&amp;Zurück</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>Varnick Help - %1</source>
        <translation>Varnick-Hilfe - %1</translation>
    </message>
</context>
<context>
    <name>varnick::LanguageDialog</name>
    <message>
        <source>Language</source>
        <translation>Sprache</translation>
    </message>
    <message>
        <source>System language</source>
        <translation>Systemsprache</translation>
    </message>
    <message>
        <source>&amp;Language:</source>
        <translation>&amp;Sprache:</translation>
    </message>
    <message>
        <source>The new language takes effect the next time Varnick starts.</source>
        <translation>Die neue Sprache gilt ab dem nächsten Start von Varnick.</translation>
    </message>
</context>
<context>
    <name>varnick::MainMenus</name>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Datei</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Optionen</translation>
    </message>
    <message>
        <source>Turn &amp;Selection Rectangle Off</source>
        <translation>Auswahl&amp;rahmen ausschalten</translation>
    </message>
    <message>
        <source>&amp;Backups and Saving...</source>
        <translation>S&amp;icherungen und Speichern...</translation>
    </message>
    <message>
        <source>&amp;Appearance...</source>
        <translation>&amp;Darstellung...</translation>
    </message>
    <message>
        <source>&amp;Language...</source>
        <translation>&amp;Sprache...</translation>
    </message>
    <message>
        <source>&amp;Tools</source>
        <translation>E&amp;xtras</translation>
    </message>
    <message>
        <source>Delete Selected Object &amp;Thumbnails</source>
        <translation>&amp;Miniaturbilder des ausgewählten Objekts löschen</translation>
    </message>
    <message>
        <source>&amp;Restore Original...</source>
        <translation>Original &amp;wiederherstellen...</translation>
    </message>
    <message>
        <source>Library &amp;Health...</source>
        <translation>Bibliotheks&amp;zustand...</translation>
    </message>
    <message>
        <source>Select All on This &amp;Page</source>
        <translation>Alles auf dieser &amp;Seite auswählen</translation>
    </message>
    <message>
        <source>Select &amp;All in This Folder</source>
        <translation>&amp;Alles in diesem Ordner auswählen</translation>
    </message>
    <message>
        <source>&amp;Edit Selected...</source>
        <translation>Ausgewählte &amp;bearbeiten...</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>Help &amp;Contents</source>
        <translation>Hilfe&amp;inhalt</translation>
    </message>
    <message>
        <source>&amp;About Varnick</source>
        <translation>Ü&amp;ber Varnick</translation>
    </message>
    <message>
        <source>&amp;Edit Object</source>
        <translation>Objekt &amp;bearbeiten</translation>
    </message>
    <message>
        <source>&amp;Delete/Move...</source>
        <translation>Lö&amp;schen/Verschieben...</translation>
    </message>
</context>
<context>
    <name>varnick::ObjectPane</name>
    <message>
        <source>Selected Object File</source>
        <translation>Datei des ausgewählten Objekts</translation>
    </message>
    <message>
        <source>Selected Ob&amp;ject Details</source>
        <translation>Details zum ausgewählten Ob&amp;jekt</translation>
    </message>
</context>
<context>
    <name>varnick::ObjectTableModel</name>
    <message>
        <source>Changed; not saved yet (Save Changes writes it)</source>
        <translation>Geändert, noch nicht gespeichert („Änderungen speichern“ schreibt es)</translation>
    </message>
</context>
<context>
    <name>varnick::ObjectTableView</name>
    <message>
        <source>Filter by name, file name or GUID</source>
        <translation>Nach Name, Dateiname oder GUID filtern</translation>
    </message>
    <message>
        <source>Edit Selected...</source>
        <translation>Ausgewählte bearbeiten...</translation>
    </message>
    <message>
        <source>Save Changes</source>
        <translation>Änderungen speichern</translation>
    </message>
    <message>
        <source>Discard Changes</source>
        <translation>Änderungen verwerfen</translation>
    </message>
    <message>
        <source>Export CSV...</source>
        <translation>CSV exportieren...</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message numerus="yes">
        <source>The table holds changes of %n object(s) that are not saved:</source>
        <translation>
            <numerusform>Die Tabelle enthält nicht gespeicherte Änderungen an %n Objekt:</numerusform>
            <numerusform>Die Tabelle enthält nicht gespeicherte Änderungen an %n Objekten:</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 on %n object(s).</source>
        <translation>
            <numerusform>%1 bei %n Objekt.</numerusform>
            <numerusform>%1 bei %n Objekten.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>(and %n more change(s))</source>
        <translation>
            <numerusform>(und %n weitere Änderung)</numerusform>
            <numerusform>(und %n weitere Änderungen)</numerusform>
        </translation>
    </message>
    <message>
        <source>Save them now?</source>
        <translation>Jetzt speichern?</translation>
    </message>
    <message>
        <source>Unsaved Changes</source>
        <translation>Ungespeicherte Änderungen</translation>
    </message>
    <message numerus="yes">
        <source>%1 of %n object(s)</source>
        <translation>
            <numerusform>%1 von %n Objekt</numerusform>
            <numerusform>%1 von %n Objekten</numerusform>
        </translation>
    </message>
    <message>
        <source>%1, %2 changed (not saved)</source>
        <translation>%1, %2 geändert (nicht gespeichert)</translation>
    </message>
    <message>
        <source>Confirm Save</source>
        <translation>Speichern bestätigen</translation>
    </message>
    <message>
        <source>Saving objects...</source>
        <translation>Objekte werden gespeichert...</translation>
    </message>
    <message>
        <source>Export CSV</source>
        <translation>CSV exportieren</translation>
    </message>
    <message>
        <source>CSV files (*.csv);;All files (*)</source>
        <translation>CSV-Dateien (*.csv);;Alle Dateien (*)</translation>
    </message>
    <message>
        <source>Export Failed</source>
        <translation>Export fehlgeschlagen</translation>
    </message>
    <message>
        <source>The table could not be written to %1: %2</source>
        <translation>Die Tabelle konnte nicht nach %1 geschrieben werden: %2</translation>
    </message>
    <message>
        <source>Filter</source>
        <translation>Filter</translation>
    </message>
    <message>
        <source>Objects</source>
        <translation>Objekte</translation>
    </message>
</context>
<context>
    <name>varnick::ObjectTabs</name>
    <message>
        <source>Objects</source>
        <translation>Objekte</translation>
    </message>
    <message>
        <source>Thumbnail&amp;s</source>
        <translation>&amp;Miniaturen</translation>
    </message>
    <message>
        <source>Ta&amp;ble</source>
        <translation>&amp;Tabelle</translation>
    </message>
</context>
<context>
    <name>varnick::OptionsDialog</name>
    <message>
        <source>&amp;Keep saved resources compressed</source>
        <translation>Gespeicherte Ressourcen &amp;komprimiert lassen</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Optionen</translation>
    </message>
    <message>
        <source>How many earlier versions of each saved file are kept, the original included.</source>
        <translation>Wie viele frühere Fassungen jeder gespeicherten Datei aufbewahrt werden, das Original eingeschlossen.</translation>
    </message>
    <message>
        <source>For ever</source>
        <translation>Unbegrenzt</translation>
    </message>
    <message>
        <source> days</source>
        <translation> Tage</translation>
    </message>
    <message>
        <source>How long a backup is kept; 0 keeps them for ever.</source>
        <translation>Wie lange eine Sicherung aufbewahrt wird; 0 bewahrt sie unbegrenzt auf.</translation>
    </message>
    <message>
        <source>Saved objects store their changed resources compressed where they were compressed before.</source>
        <translation>Gespeicherte Objekte legen geänderte Ressourcen komprimiert ab, wo sie vorher komprimiert waren.</translation>
    </message>
    <message>
        <source>Backup &amp;Generations:</source>
        <translation>Sicherungs&amp;generationen:</translation>
    </message>
    <message>
        <source>Backup &amp;Days:</source>
        <translation>Aufbewahrung in &amp;Tagen:</translation>
    </message>
</context>
<context>
    <name>varnick::RecolorStatusBar</name>
    <message>
        <source>Search progress</source>
        <translation>Suchfortschritt</translation>
    </message>
    <message>
        <source>%1 of %2 files searched</source>
        <translation>%1 von %2 Dateien durchsucht</translation>
    </message>
</context>
<context>
    <name>varnick::Sims2PackInstallAction</name>
    <message>
        <source>Install Sims2&amp;Pack...</source>
        <translation>Sims2Pack i&amp;nstallieren...</translation>
    </message>
    <message>
        <source>Install the objects of Sims2Pack files into Downloads, where the game reads them</source>
        <translation>Die Objekte von Sims2Pack-Dateien nach Downloads installieren, wo das Spiel sie liest</translation>
    </message>
</context>
<context>
    <name>varnick::Sims2PackInstallDialog</name>
    <message>
        <source>... and %1 more</source>
        <translation>... und %1 weitere</translation>
    </message>
    <message>
        <source>Install Sims2Pack</source>
        <translation>Sims2Pack installieren</translation>
    </message>
    <message>
        <source>Sims2Pack files (*.sims2pack *.Sims2Pack *.SIMS2PACK);;All files (*)</source>
        <translation>Sims2Pack-Dateien (*.sims2pack *.Sims2Pack *.SIMS2PACK);;Alle Dateien (*)</translation>
    </message>
    <message>
        <source>C&amp;hoose Folder...</source>
        <translation>&amp;Ordner wählen...</translation>
    </message>
    <message>
        <source>Install every object into one folder of your choice instead</source>
        <translation>Stattdessen alle Objekte in einen Ordner deiner Wahl installieren</translation>
    </message>
    <message>
        <source>Where a name is taken, install under a &amp;numbered name</source>
        <translation>Ist ein Name vergeben, unter einem &amp;nummerierten Namen installieren</translation>
    </message>
    <message>
        <source>A file of the same name but different contents is kept; the object is written beside it as &quot;name (2).package&quot;</source>
        <translation>Eine gleichnamige Datei mit anderem Inhalt bleibt erhalten; das Objekt wird daneben als „Name (2).package“ geschrieben</translation>
    </message>
    <message>
        <source>&amp;Install</source>
        <translation>&amp;Installieren</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Reading was cancelled: nothing can be installed.</source>
        <translation>Das Lesen wurde abgebrochen: Es kann nichts installiert werden.</translation>
    </message>
    <message>
        <source>Checking your downloads for GUID clashes...</source>
        <translation>Deine Downloads werden auf GUID-Konflikte geprüft...</translation>
    </message>
    <message>
        <source>Checking the files again...</source>
        <translation>Die Dateien werden erneut geprüft...</translation>
    </message>
    <message>
        <source>Install the objects into:</source>
        <translation>Objekte installieren in:</translation>
    </message>
    <message>
        <source>Names Taken</source>
        <translation>Namen vergeben</translation>
    </message>
    <message>
        <source>%1

Install these objects under numbered names, such as &quot;name (2).package&quot;? Skipping installs the other Sims2Pack files only.</source>
        <translation>%1

Diese Objekte unter nummerierten Namen wie „Name (2).package“ installieren? Beim Überspringen werden nur die übrigen Sims2Pack-Dateien installiert.</translation>
    </message>
    <message>
        <source>Install &amp;Renamed</source>
        <translation>&amp;Umbenannt installieren</translation>
    </message>
    <message>
        <source>&amp;Skip Those Files</source>
        <translation>Diese Dateien über&amp;springen</translation>
    </message>
    <message>
        <source>Installing...</source>
        <translation>Wird installiert...</translation>
    </message>
    <message>
        <source>Nothing new was installed.</source>
        <translation>Es wurde nichts Neues installiert.</translation>
    </message>
    <message>
        <source>Refused, nothing of them written:
%1</source>
        <translation>Abgelehnt, nichts davon geschrieben:
%1</translation>
    </message>
    <message>
        <source>Stopped: the files after the last one installed were left as they were.</source>
        <translation>Angehalten: Die Dateien nach der zuletzt installierten blieben unverändert.</translation>
    </message>
    <message>
        <source>Show in &amp;Folder</source>
        <translation>Im &amp;Ordner zeigen</translation>
    </message>
    <message>
        <source>No file manager could be started. The objects are in:
%1</source>
        <translation>Es konnte kein Dateimanager gestartet werden. Die Objekte liegen in:
%1</translation>
    </message>
    <message>
        <source>Stopping after the file being installed...</source>
        <translation>Wird nach der gerade installierten Datei angehalten...</translation>
    </message>
    <message>
        <source>Objects go into Downloads, each Sims2Pack file&apos;s into a folder named after it.</source>
        <translation>Die Objekte kommen nach Downloads, die jeder Sims2Pack-Datei in einen Ordner mit deren Namen.</translation>
    </message>
    <message>
        <source>Objects go into %1</source>
        <translation>Die Objekte kommen nach %1</translation>
    </message>
    <message numerus="yes">
        <source>Reading %n Sims2Pack file(s)...</source>
        <translation>
            <numerusform>%n Sims2Pack-Datei wird gelesen...</numerusform>
            <numerusform>%n Sims2Pack-Dateien werden gelesen...</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Installed %n object(s):
%1</source>
        <translation>
            <numerusform>%n Objekt installiert:
%1</numerusform>
            <numerusform>%n Objekte installiert:
%1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n object(s) already installed: skipped.</source>
        <translation>
            <numerusform>%n Objekt bereits installiert: übersprungen.</numerusform>
            <numerusform>%n Objekte bereits installiert: übersprungen.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n item(s) (lots, families or Sims) to install through the game.</source>
        <translation>
            <numerusform>%n Element (Grundstücke, Familien oder Sims) über das Spiel zu installieren.</numerusform>
            <numerusform>%n Elemente (Grundstücke, Familien oder Sims) über das Spiel zu installieren.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n object(s) to install</source>
        <translation>
            <numerusform>%n Objekt zu installieren</numerusform>
            <numerusform>%n Objekte zu installieren</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n object(s) installed already</source>
        <translation>
            <numerusform>%n Objekt bereits installiert</numerusform>
            <numerusform>%n Objekte bereits installiert</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n item(s) to install through the game</source>
        <translation>
            <numerusform>%n Element über das Spiel zu installieren</numerusform>
            <numerusform>%n Elemente über das Spiel zu installieren</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n GUID clash(es)</source>
        <translation>
            <numerusform>%n GUID-Konflikt</numerusform>
            <numerusform>%n GUID-Konflikte</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n name(s) taken</source>
        <translation>
            <numerusform>%n Name vergeben</numerusform>
            <numerusform>%n Namen vergeben</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n file(s) that cannot be installed</source>
        <translation>
            <numerusform>%n Datei nicht installierbar</numerusform>
            <numerusform>%n Dateien nicht installierbar</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>varnick::Sims2PackInstallList</name>
    <message>
        <source>Objects in the files</source>
        <translation>Objekte in den Dateien</translation>
    </message>
    <message>
        <source>Object</source>
        <translation>Objekt</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Typ</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Größe</translation>
    </message>
    <message>
        <source>Installs As</source>
        <translation>Wird installiert als</translation>
    </message>
    <message>
        <source>Warnings</source>
        <translation>Warnungen</translation>
    </message>
    <message numerus="yes">
        <source>%1: %n item(s) into %2</source>
        <translation>
            <numerusform>%1: %n Element nach %2</numerusform>
            <numerusform>%1: %n Elemente nach %2</numerusform>
        </translation>
    </message>
    <message>
        <source>%1
Global GUID %2</source>
        <translation>%1
Globale GUID %2</translation>
    </message>
    <message>
        <source>%1 bytes; %2 bytes compressed in the Sims2Pack</source>
        <translation>%1 Bytes; %2 Bytes komprimiert im Sims2Pack</translation>
    </message>
    <message>
        <source>%1 bytes</source>
        <translation>%1 Bytes</translation>
    </message>
    <message>
        <source>Install through the game</source>
        <translation>Über das Spiel installieren</translation>
    </message>
    <message>
        <source>Its name is taken: installs under a numbered name</source>
        <translation>Name vergeben: wird unter einem nummerierten Namen installiert</translation>
    </message>
    <message>
        <source>Its name is taken by a different file</source>
        <translation>Name ist von einer anderen Datei belegt</translation>
    </message>
    <message>
        <source>Its name is taken: installs as &quot;%1&quot;</source>
        <translation>Name vergeben: wird als „%1“ installiert</translation>
    </message>
    <message>
        <source>Already installed</source>
        <translation>Bereits installiert</translation>
    </message>
    <message>
        <source>The game</source>
        <translation>Das Spiel</translation>
    </message>
    <message>
        <source>Lots, families and Sims are installed by the game&apos;s own installer, not copied into Downloads</source>
        <translation>Grundstücke, Familien und Sims installiert das Spiel mit seinem eigenen Installationsprogramm; sie werden nicht nach Downloads kopiert</translation>
    </message>
    <message numerus="yes">
        <source>%1 and %n other package(s)</source>
        <translation>
            <numerusform>%1 und %n weiteres Paket</numerusform>
            <numerusform>%1 und %n weitere Pakete</numerusform>
        </translation>
    </message>
    <message>
        <source>GUID %1 is already defined by %2</source>
        <translation>GUID %1 wird bereits von %2 definiert</translation>
    </message>
    <message>
        <source>The game may show only one of two objects that share a GUID.
%1</source>
        <translation>Von zwei Objekten mit derselben GUID zeigt das Spiel womöglich nur eines.
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
        <translation>Dateien, die nicht gelesen werden konnten</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Datei</translation>
    </message>
    <message>
        <source>Reason</source>
        <translation>Grund</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>Files that could not be read</source>
        <translation>Dateien, die nicht gelesen werden konnten</translation>
    </message>
</context>
<context>
    <name>varnick::ThumbnailGrid</name>
    <message>
        <source>Page %1, position %2</source>
        <translation>Seite %1, Position %2</translation>
    </message>
    <message>
        <source>; marked</source>
        <translation>; markiert</translation>
    </message>
    <message>
        <source>; picture made from its texture</source>
        <translation>; Bild aus seiner Textur erzeugt</translation>
    </message>
    <message>
        <source>Objects</source>
        <translation>Objekte</translation>
    </message>
</context>
<context>
    <name>varnick::ThumbnailPane</name>
    <message>
        <source>Objects in the Selected Folde&amp;r</source>
        <translation>Objekte im ausgewählten Ordne&amp;r</translation>
    </message>
    <message>
        <source>F&amp;irst</source>
        <translation>&amp;Erste</translation>
    </message>
    <message>
        <source>Pre&amp;vious</source>
        <translation>&amp;Vorherige</translation>
    </message>
    <message>
        <source>&amp;Next</source>
        <translation>&amp;Nächste</translation>
    </message>
    <message>
        <source>&amp;Last</source>
        <translation>&amp;Letzte</translation>
    </message>
    <message>
        <source>&amp;Edit Object</source>
        <translation>Objekt &amp;bearbeiten</translation>
    </message>
    <message>
        <source>&amp;Delete/Move</source>
        <translation>Lö&amp;schen/Verschieben</translation>
    </message>
    <message>
        <source>Choose a folder on the left to see its objects.</source>
        <translation>Wähle links einen Ordner, um seine Objekte zu sehen.</translation>
    </message>
    <message>
        <source>This folder holds no objects.</source>
        <translation>Dieser Ordner enthält keine Objekte.</translation>
    </message>
    <message>
        <source>Picture made from the object&apos;s texture</source>
        <translation>Aus der Textur des Objekts erzeugtes Bild</translation>
    </message>
    <message>
        <source>Nothing marked</source>
        <translation>Nichts markiert</translation>
    </message>
    <message numerus="yes">
        <source>%n object(s) marked</source>
        <translation>
            <numerusform>%n Objekt markiert</numerusform>
            <numerusform>%n Objekte markiert</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n file(s) could not be read</source>
        <translation>
            <numerusform>%n Datei konnte nicht gelesen werden</numerusform>
            <numerusform>%n Dateien konnten nicht gelesen werden</numerusform>
        </translation>
    </message>
    <message>
        <source>Page</source>
        <translation>Seite</translation>
    </message>
</context>
<context>
    <name>varnick::WorkStatus</name>
    <message>
        <source>&amp;Cancel</source>
        <translation>Abbre&amp;chen</translation>
    </message>
    <message>
        <source>Looking for objects in the folder...</source>
        <translation>Objekte im Ordner werden gesucht...</translation>
    </message>
    <message>
        <source>Drawing the page...</source>
        <translation>Seite wird gezeichnet...</translation>
    </message>
</context>
<context>
    <name>varnick::frmBatchEdit</name>
    <message>
        <source>Loading objects...</source>
        <translation>Objekte werden geladen...</translation>
    </message>
    <message>
        <source>User Input Error</source>
        <translation>Eingabefehler</translation>
    </message>
    <message>
        <source>None of the selected packages holds an object that can be edited.</source>
        <translation>Keines der ausgewählten Pakete enthält ein bearbeitbares Objekt.</translation>
    </message>
    <message>
        <source>Varnick - Edit Selected Objects</source>
        <translation>Varnick - Ausgewählte Objekte bearbeiten</translation>
    </message>
    <message>
        <source>&amp;Name</source>
        <translation>&amp;Name</translation>
    </message>
    <message>
        <source>&amp;Description</source>
        <translation>&amp;Beschreibung</translation>
    </message>
    <message>
        <source>Depreciation</source>
        <translation>Wertverlust</translation>
    </message>
    <message>
        <source>Motives</source>
        <translation>Bedürfnisse</translation>
    </message>
    <message>
        <source>&amp;Price</source>
        <translation>&amp;Preis</translation>
    </message>
    <message>
        <source>Niceness M&amp;ultiplier:</source>
        <translation>Sch&amp;önheitsfaktor:</translation>
    </message>
    <message>
        <source>&amp;Initial</source>
        <translation>&amp;Anfangswert</translation>
    </message>
    <message>
        <source>&amp;Hunger</source>
        <translation>&amp;Hunger</translation>
    </message>
    <message>
        <source>Ca&amp;tegories</source>
        <translation>&amp;Kategorien</translation>
    </message>
    <message>
        <source>Sub-Categories</source>
        <translation>Unterkategorien</translation>
    </message>
    <message>
        <source>Build T&amp;ype</source>
        <translation>Bau&amp;typ</translation>
    </message>
    <message>
        <source>Build Sub-Type</source>
        <translation>Bau-Untertyp</translation>
    </message>
    <message>
        <source>Ro&amp;om</source>
        <translation>&amp;Raum</translation>
    </message>
    <message>
        <source>Co&amp;mmunity</source>
        <translation>&amp;Gemeinschaft</translation>
    </message>
    <message>
        <source>Skill &amp;Flags</source>
        <translation>&amp;Fähigkeiten</translation>
    </message>
    <message>
        <source>Function</source>
        <translation>Funktion</translation>
    </message>
    <message>
        <source>Build Mode</source>
        <translation>Baumodus</translation>
    </message>
    <message>
        <source>&amp;Wants Satisfy Category</source>
        <translation>&amp;Wunschkategorie</translation>
    </message>
    <message>
        <source>&amp;Save Objects</source>
        <translation>Objekte &amp;speichern</translation>
    </message>
    <message>
        <source>&amp;Cancel Editing</source>
        <translation>Bearbeitung abbre&amp;chen</translation>
    </message>
    <message numerus="yes">
        <source>%n object(s) selected; blank boxes and unselected lists are mixed and keep each object&apos;s own value until changed.</source>
        <translation>
            <numerusform>%n Objekt ausgewählt; leere Felder und Listen ohne Auswahl sind gemischt und behalten den Wert jedes Objekts, bis sie geändert werden.</numerusform>
            <numerusform>%n Objekte ausgewählt; leere Felder und Listen ohne Auswahl sind gemischt und behalten den Wert jedes Objekts, bis sie geändert werden.</numerusform>
        </translation>
    </message>
    <message>
        <source>(mixed)</source>
        <translation>(gemischt)</translation>
    </message>
    <message>
        <source>The objects differ in their category; choose one to set the sub-category.</source>
        <translation>Die Objekte haben verschiedene Kategorien; wähle eine, um die Unterkategorie festzulegen.</translation>
    </message>
    <message>
        <source>The objects differ in their build type; choose one to set the sub-type.</source>
        <translation>Die Objekte haben verschiedene Bautypen; wähle einen, um den Untertyp festzulegen.</translation>
    </message>
    <message>
        <source>Nothing to Save</source>
        <translation>Nichts zu speichern</translation>
    </message>
    <message>
        <source>Nothing was changed; no package was written.</source>
        <translation>Es wurde nichts geändert; kein Paket wurde geschrieben.</translation>
    </message>
    <message>
        <source>Confirm Save</source>
        <translation>Speichern bestätigen</translation>
    </message>
    <message>
        <source>Saving objects...</source>
        <translation>Objekte werden gespeichert...</translation>
    </message>
    <message>
        <source>Save Cancelled</source>
        <translation>Speichern abgebrochen</translation>
    </message>
    <message>
        <source>Save Summary</source>
        <translation>Speicherbericht</translation>
    </message>
    <message>
        <source>Save Successful</source>
        <translation>Speichern erfolgreich</translation>
    </message>
</context>
<context>
    <name>varnick::frmDeleteMove</name>
    <message>
        <source>Are you absolutely sure that you want to do this?</source>
        <translation>Bist du dir wirklich ganz sicher, dass du das tun möchtest?</translation>
    </message>
    <message>
        <source>*** no recolors found ***</source>
        <translation>*** keine Recolors gefunden ***</translation>
    </message>
    <message>
        <source>Delete/Move The Selected Object File</source>
        <translation>Datei des ausgewählten Objekts löschen/verschieben</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>A&amp;nzeigen</translation>
    </message>
    <message>
        <source>View Selected</source>
        <translation>Auswahl anzeigen</translation>
    </message>
    <message>
        <source>De&amp;tails</source>
        <translation>&amp;Details</translation>
    </message>
    <message>
        <source>Selected Package Details</source>
        <translation>Details zum ausgewählten Paket</translation>
    </message>
    <message>
        <source>Select &amp;All</source>
        <translation>Alle aus&amp;wählen</translation>
    </message>
    <message>
        <source>Select All Recolors</source>
        <translation>Alle Recolors auswählen</translation>
    </message>
    <message>
        <source>&amp;Unselect All</source>
        <translation>Auswahl au&amp;fheben</translation>
    </message>
    <message>
        <source>Unselect All Recolors</source>
        <translation>Auswahl aller Recolors aufheben</translation>
    </message>
    <message>
        <source>&amp;Delete Object And All Recolors</source>
        <translation>Objekt und alle Recolors &amp;löschen</translation>
    </message>
    <message>
        <source>Delete &amp;Selected Recolors</source>
        <translation>&amp;Ausgewählte Recolors löschen</translation>
    </message>
    <message>
        <source>&amp;Move Object And All Recolors</source>
        <translation>Objekt und alle Recolors &amp;verschieben</translation>
    </message>
    <message>
        <source>E&amp;xit This Window</source>
        <translation>Fenster schli&amp;eßen</translation>
    </message>
    <message>
        <source>Selected Object Filename</source>
        <translation>Dateiname des ausgewählten Objekts</translation>
    </message>
    <message>
        <source>Recolors of the Selected Object</source>
        <translation>Recolors des ausgewählten Objekts</translation>
    </message>
    <message numerus="yes">
        <source>%n file(s) could not be read and were not searched for recolors.</source>
        <translation>
            <numerusform>%n Datei konnte nicht gelesen werden und wurde nicht nach Recolors durchsucht.</numerusform>
            <numerusform>%n Dateien konnten nicht gelesen werden und wurden nicht nach Recolors durchsucht.</numerusform>
        </translation>
    </message>
    <message>
        <source>OPERATION SUCCESSFUL</source>
        <translation>VORGANG ERFOLGREICH</translation>
    </message>
    <message>
        <source>OPERATION INCOMPLETE</source>
        <translation>VORGANG UNVOLLSTÄNDIG</translation>
    </message>
    <message>
        <source>These files could not be deleted and were left as they were:<byte value="xd"/>
</source>
        <translation>Diese Dateien konnten nicht gelöscht werden und blieben unverändert:<byte value="xd"/>
</translation>
    </message>
    <message>
        <source>You are about to PERMANENTLY DESTROY the object and all of it&apos;s recolors.</source>
        <translation>Du bist dabei, das Objekt und alle seine Recolors ENDGÜLTIG ZU VERNICHTEN.</translation>
    </message>
    <message>
        <source>You are about to move the object to the trash.</source>
        <translation>Du bist dabei, das Objekt in den Papierkorb zu verschieben.</translation>
    </message>
    <message numerus="yes">
        <source>You are about to move the object and its %n recolor(s) to the trash.</source>
        <translation>
            <numerusform>Du bist dabei, das Objekt und sein %n Recolor in den Papierkorb zu verschieben.</numerusform>
            <numerusform>Du bist dabei, das Objekt und seine %n Recolors in den Papierkorb zu verschieben.</numerusform>
        </translation>
    </message>
    <message>
        <source>CONFIRM DELETE</source>
        <translation>LÖSCHEN BESTÄTIGEN</translation>
    </message>
    <message>
        <source>The object has been deleted.</source>
        <translation>Das Objekt wurde gelöscht.</translation>
    </message>
    <message>
        <source>You are about to PERMANENTLY DESTROY the selected recolors for this object.</source>
        <translation>Du bist dabei, die ausgewählten Recolors dieses Objekts ENDGÜLTIG ZU VERNICHTEN.</translation>
    </message>
    <message numerus="yes">
        <source>You are about to move %n selected recolor(s) of this object to the trash.</source>
        <translation>
            <numerusform>Du bist dabei, %n ausgewähltes Recolor dieses Objekts in den Papierkorb zu verschieben.</numerusform>
            <numerusform>Du bist dabei, %n ausgewählte Recolors dieses Objekts in den Papierkorb zu verschieben.</numerusform>
        </translation>
    </message>
    <message>
        <source>The selected recolors have been deleted.</source>
        <translation>Die ausgewählten Recolors wurden gelöscht.</translation>
    </message>
    <message>
        <source>USER INPUT ERROR</source>
        <translation>EINGABEFEHLER</translation>
    </message>
    <message>
        <source>Source and destination are the same!</source>
        <translation>Quelle und Ziel sind gleich!</translation>
    </message>
    <message>
        <source>Nothing was moved: the destination is not a folder:<byte value="xd"/>
</source>
        <translation>Es wurde nichts verschoben: Das Ziel ist kein Ordner:<byte value="xd"/>
</translation>
    </message>
    <message>
        <source>Nothing was moved: these files are already in the destination folder or share a name with another file being moved:<byte value="xd"/>
</source>
        <translation>Es wurde nichts verschoben: Diese Dateien liegen schon im Zielordner oder haben denselben Namen wie eine andere zu verschiebende Datei:<byte value="xd"/>
</translation>
    </message>
    <message>
        <source>The move stopped: %1<byte value="xd"/>
The files before it were moved; the others were left where they were.</source>
        <translation>Das Verschieben wurde angehalten: %1<byte value="xd"/>
Die Dateien davor wurden verschoben; die übrigen blieben, wo sie waren.</translation>
    </message>
    <message>
        <source>%1 files were moved to:<byte value="xd"/>
%2</source>
        <translation>%1 Dateien wurden verschoben nach:<byte value="xd"/>
%2</translation>
    </message>
</context>
<context>
    <name>varnick::frmEditObject</name>
    <message>
        <source>No Image</source>
        <translation>Kein Bild</translation>
    </message>
    <message>
        <source>C&amp;lear All Flags</source>
        <translation>Alle Häkchen &amp;löschen</translation>
    </message>
    <message>
        <source>&amp;Restore Original</source>
        <translation>&amp;Original wiederherstellen</translation>
    </message>
    <message>
        <source>&amp;Save Object</source>
        <translation>Objekt &amp;speichern</translation>
    </message>
    <message>
        <source>&amp;Cancel Editing</source>
        <translation>Bearbeitung abbre&amp;chen</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Hilfe</translation>
    </message>
    <message>
        <source>&amp;Name</source>
        <translation>&amp;Name</translation>
    </message>
    <message>
        <source>&amp;Description</source>
        <translation>&amp;Beschreibung</translation>
    </message>
    <message>
        <source>&amp;Price</source>
        <translation>&amp;Preis</translation>
    </message>
    <message>
        <source>Catalog Image</source>
        <translation>Katalogbild</translation>
    </message>
    <message>
        <source>Function</source>
        <translation>Funktion</translation>
    </message>
    <message>
        <source>Ca&amp;tegories</source>
        <translation>&amp;Kategorien</translation>
    </message>
    <message>
        <source>Sub-Categories</source>
        <translation>Unterkategorien</translation>
    </message>
    <message>
        <source>Build Mode</source>
        <translation>Baumodus</translation>
    </message>
    <message>
        <source>Build T&amp;ype</source>
        <translation>Bau&amp;typ</translation>
    </message>
    <message>
        <source>Build Sub-Type</source>
        <translation>Bau-Untertyp</translation>
    </message>
    <message>
        <source>Ro&amp;om</source>
        <translation>&amp;Raum</translation>
    </message>
    <message>
        <source>Co&amp;mmunity</source>
        <translation>&amp;Gemeinschaft</translation>
    </message>
    <message>
        <source>Skill &amp;Flags</source>
        <translation>&amp;Fähigkeiten</translation>
    </message>
    <message>
        <source>Depreciation</source>
        <translation>Wertverlust</translation>
    </message>
    <message>
        <source>&amp;Initial</source>
        <translation>&amp;Anfangswert</translation>
    </message>
    <message>
        <source>Daily</source>
        <translation>Täglich</translation>
    </message>
    <message>
        <source>Limit</source>
        <translation>Grenze</translation>
    </message>
    <message>
        <source>Motives</source>
        <translation>Bedürfnisse</translation>
    </message>
    <message>
        <source>&amp;Hunger</source>
        <translation>&amp;Hunger</translation>
    </message>
    <message>
        <source>&amp;Wants Satisfy Category</source>
        <translation>&amp;Wunschkategorie</translation>
    </message>
    <message>
        <source>Niceness M&amp;ultiplier:</source>
        <translation>Sch&amp;önheitsfaktor:</translation>
    </message>
    <message>
        <source>&amp;Keep saved resources compressed</source>
        <translation>Gespeicherte Ressourcen &amp;komprimiert lassen</translation>
    </message>
    <message>
        <source>Put back the version kept before the first save</source>
        <translation>Die vor dem ersten Speichern aufbewahrte Fassung zurückholen</translation>
    </message>
    <message>
        <source>The package file:<byte value="xd"/>
%1<byte value="xd"/>
<byte value="xd"/>
Has changed on disk since the editor opened it, so it was not saved.<byte value="xd"/>
Cancel editing and open the object again.</source>
        <translation>Die Paketdatei:<byte value="xd"/>
%1<byte value="xd"/>
<byte value="xd"/>
wurde auf dem Datenträger geändert, seit der Editor sie geöffnet hat, und deshalb nicht gespeichert.<byte value="xd"/>
Brich die Bearbeitung ab und öffne das Objekt erneut.</translation>
    </message>
    <message>
        <source>Save Successful</source>
        <translation>Speichern erfolgreich</translation>
    </message>
    <message>
        <source>The package file:<byte value="xd"/>
%1<byte value="xd"/>
<byte value="xd"/>
Has been saved successfully.</source>
        <translation>Die Paketdatei:<byte value="xd"/>
%1<byte value="xd"/>
<byte value="xd"/>
wurde erfolgreich gespeichert.</translation>
    </message>
    <message>
        <source>Subcategories</source>
        <translation>Unterkategorien</translation>
    </message>
    <message>
        <source>Build subtypes</source>
        <translation>Bau-Untertypen</translation>
    </message>
</context>
<context>
    <name>varnick::frmErrorDialog</name>
    <message>
        <source>Unrecoverable Error - Program Execution Halted</source>
        <translation>Schwerer Fehler - Programm angehalten</translation>
    </message>
    <message>
        <source>The program has encountered an unexpected error and has halted operation. The error encountered is listed in the text box below.</source>
        <translation>Im Programm ist ein unerwarteter Fehler aufgetreten; es wurde angehalten. Der Fehler steht im Textfeld unten.</translation>
    </message>
    <message>
        <source>Copy error message to the Windows clipboard.</source>
        <translation>Fehlermeldung in die Windows-Zwischenablage kopieren.</translation>
    </message>
    <message>
        <source>Close the error dialog and end the program.</source>
        <translation>Fehlerfenster schließen und Programm beenden.</translation>
    </message>
    <message>
        <source>Open web page %1.</source>
        <translation>Webseite %1 öffnen.</translation>
    </message>
    <message>
        <source>Send mail to %1.</source>
        <translation>E-Mail an %1 senden.</translation>
    </message>
    <message>
        <source>Error - Bad URL</source>
        <translation>Fehler - Ungültige Adresse</translation>
    </message>
    <message>
        <source>Support web page not found!</source>
        <translation>Support-Webseite nicht gefunden!</translation>
    </message>
    <message>
        <source>Error - Browser Not Found</source>
        <translation>Fehler - Browser nicht gefunden</translation>
    </message>
    <message>
        <source>Could not find the default web browser!</source>
        <translation>Der Standardbrowser wurde nicht gefunden!</translation>
    </message>
    <message>
        <source>Error details</source>
        <translation>Fehlerdetails</translation>
    </message>
</context>
<context>
    <name>varnick::frmFindRecolors</name>
    <message>
        <source>Searching For Recolors</source>
        <translation>Recolors werden gesucht</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Cancelling...</source>
        <translation>Wird abgebrochen...</translation>
    </message>
</context>
<context>
    <name>varnick::frmGameInstallation</name>
    <message>
        <source>Game Installation</source>
        <translation>Spielinstallation</translation>
    </message>
    <message>
        <source>Choose Your Game</source>
        <translation>Wähle dein Spiel</translation>
    </message>
    <message>
        <source>Varnick found The Sims 2 more than once on this computer. Choose the installation whose downloads you want to manage. You can change it later under File, Game Installation.</source>
        <translation>Varnick hat Die Sims 2 auf diesem Computer mehrmals gefunden. Wähle die Installation, deren Downloads du verwalten möchtest. Du kannst das später unter Datei, Spielinstallation ändern.</translation>
    </message>
    <message>
        <source>The installations of The Sims 2 found on this computer, the one Varnick chooses first at the top. Choose one, or add the game&apos;s data folder (the folder holding Downloads) by hand. Varnick uses your choice from its next start.</source>
        <translation>Die auf diesem Computer gefundenen Installationen von Die Sims 2; oben die, die Varnick zuerst wählt. Wähle eine oder füge den Datenordner des Spiels (den Ordner mit Downloads) von Hand hinzu. Varnick verwendet deine Wahl ab dem nächsten Start.</translation>
    </message>
    <message>
        <source>Edition</source>
        <translation>Edition</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>Data folder</source>
        <translation>Datenordner</translation>
    </message>
    <message>
        <source>Install folder</source>
        <translation>Installationsordner</translation>
    </message>
    <message>
        <source>&amp;Use This Installation</source>
        <translation>Diese Installation &amp;verwenden</translation>
    </message>
    <message>
        <source>&amp;Add Folder...</source>
        <translation>Ordner &amp;hinzufügen...</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>%1 (the game has not made it yet)</source>
        <translation>%1 (vom Spiel noch nicht angelegt)</translation>
    </message>
    <message>
        <source>In use now</source>
        <translation>Zurzeit verwendet</translation>
    </message>
    <message>
        <source>Not read:</source>
        <translation>Nicht gelesen:</translation>
    </message>
    <message>
        <source>The game was not found. Add its data folder by hand.</source>
        <translation>Das Spiel wurde nicht gefunden. Füge seinen Datenordner von Hand hinzu.</translation>
    </message>
    <message>
        <source>Choose the game&apos;s data folder (the folder holding Downloads):</source>
        <translation>Wähle den Datenordner des Spiels (den Ordner mit Downloads):</translation>
    </message>
    <message>
        <source>USER INPUT ERROR</source>
        <translation>EINGABEFEHLER</translation>
    </message>
    <message>
        <source>This folder can not be used: it %1</source>
        <translation>Dieser Ordner kann nicht verwendet werden: %1</translation>
    </message>
    <message>
        <source>Confirm Action</source>
        <translation>Aktion bestätigen</translation>
    </message>
    <message>
        <source>This folder holds no Downloads, Neighborhoods or Thumbnails folder, so it does not look like the game&apos;s data folder:<byte value="xd"/>
<byte value="xd"/>
%1<byte value="xd"/>
<byte value="xd"/>
Use it anyway?</source>
        <translation>Dieser Ordner enthält keinen Ordner Downloads, Neighborhoods oder Thumbnails und sieht daher nicht wie der Datenordner des Spiels aus:<byte value="xd"/>
<byte value="xd"/>
%1<byte value="xd"/>
<byte value="xd"/>
Trotzdem verwenden?</translation>
    </message>
    <message>
        <source>Game &amp;Installation...</source>
        <translation>Spiel&amp;installation...</translation>
    </message>
    <message>
        <source>Varnick will use this data folder from its next start:<byte value="xd"/>
<byte value="xd"/>
%1</source>
        <translation>Varnick verwendet diesen Datenordner ab dem nächsten Start:<byte value="xd"/>
<byte value="xd"/>
%1</translation>
    </message>
    <message>
        <source>Game installations found</source>
        <translation>Gefundene Spielinstallationen</translation>
    </message>
    <message>
        <source>Found by</source>
        <translation>Gefunden über</translation>
    </message>
</context>
<context>
    <name>varnick::frmKnownClashes</name>
    <message>
        <source>Known Clashes</source>
        <translation>Bekannte Konflikte</translation>
    </message>
    <message>
        <source>These GUID clashes were marked as known and are left out of the review. Unmark one to see it listed again.</source>
        <translation>Diese GUID-Konflikte wurden als bekannt markiert und werden bei der Prüfung ausgelassen. Hebe eine Markierung auf, um den Konflikt wieder aufgelistet zu sehen.</translation>
    </message>
    <message>
        <source>GUID</source>
        <translation>GUID</translation>
    </message>
    <message>
        <source>Packages</source>
        <translation>Pakete</translation>
    </message>
    <message>
        <source>&amp;Unmark</source>
        <translation>Markierung &amp;aufheben</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Schließen</translation>
    </message>
    <message>
        <source>(not found in the latest scan)</source>
        <translation>(bei der letzten Prüfung nicht gefunden)</translation>
    </message>
    <message>
        <source>the game</source>
        <translation>das Spiel</translation>
    </message>
    <message>
        <source>Known clashes</source>
        <translation>Bekannte Konflikte</translation>
    </message>
</context>
<context>
    <name>varnick::frmLibraryHealth</name>
    <message>
        <source>Library Health</source>
        <translation>Bibliothekszustand</translation>
    </message>
    <message>
        <source>&amp;Scan Again</source>
        <translation>Erneut &amp;prüfen</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>Abbre&amp;chen</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Datei</translation>
    </message>
    <message>
        <source>Problem</source>
        <translation>Problem</translation>
    </message>
    <message>
        <source>Detail</source>
        <translation>Detail</translation>
    </message>
    <message>
        <source>Show in &amp;Folder</source>
        <translation>Im &amp;Ordner zeigen</translation>
    </message>
    <message>
        <source>Move to &amp;Quarantine</source>
        <translation>In &amp;Quarantäne verschieben</translation>
    </message>
    <message>
        <source>&amp;Undo Move</source>
        <translation>Verschieben &amp;rückgängig</translation>
    </message>
    <message>
        <source>&amp;Edit Object</source>
        <translation>Objekt &amp;bearbeiten</translation>
    </message>
    <message>
        <source>Mark Clash &amp;Known</source>
        <translation>Konflikt als bekannt &amp;markieren</translation>
    </message>
    <message>
        <source>K&amp;nown Clashes...</source>
        <translation>Bekannte &amp;Konflikte...</translation>
    </message>
    <message>
        <source>E&amp;xport CSV...</source>
        <translation>CSV e&amp;xportieren...</translation>
    </message>
    <message>
        <source>C&amp;lose</source>
        <translation>Schl&amp;ießen</translation>
    </message>
    <message>
        <source>Scanning...</source>
        <translation>Wird geprüft...</translation>
    </message>
    <message>
        <source>The scan was cancelled.</source>
        <translation>Die Prüfung wurde abgebrochen.</translation>
    </message>
    <message>
        <source>Cannot be read</source>
        <translation>Nicht lesbar</translation>
    </message>
    <message>
        <source>Orphan recolor</source>
        <translation>Verwaistes Recolor</translation>
    </message>
    <message>
        <source>objectGUID %1 matches no object</source>
        <translation>objectGUID %1 passt zu keinem Objekt</translation>
    </message>
    <message>
        <source>GUID clash</source>
        <translation>GUID-Konflikt</translation>
    </message>
    <message>
        <source>GUID %1 is defined by %2 packages and the game</source>
        <translation>GUID %1 wird von %2 Paketen und vom Spiel definiert</translation>
    </message>
    <message>
        <source>GUID %1 is defined by %2 packages</source>
        <translation>GUID %1 wird von %2 Paketen definiert</translation>
    </message>
    <message>
        <source>Duplicate</source>
        <translation>Doppelt</translation>
    </message>
    <message>
        <source>%1 identical files of %2 bytes</source>
        <translation>%1 gleiche Dateien mit %2 Bytes</translation>
    </message>
    <message>
        <source>%1 unreadable, %2, %3 in GUID clashes, %4 duplicated</source>
        <translation>%1 unlesbar, %2, %3 in GUID-Konflikten, %4 doppelt</translation>
    </message>
    <message numerus="yes">
        <source>%n file(s)</source>
        <translation>
            <numerusform>%n Datei</numerusform>
            <numerusform>%n Dateien</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n orphan recolor(s)</source>
        <translation>
            <numerusform>%n verwaistes Recolor</numerusform>
            <numerusform>%n verwaiste Recolors</numerusform>
        </translation>
    </message>
    <message>
        <source>No file manager could be started. The files are in:
</source>
        <translation>Es konnte kein Dateimanager gestartet werden. Die Dateien liegen in:
</translation>
    </message>
    <message>
        <source>Move to Quarantine</source>
        <translation>In Quarantäne verschieben</translation>
    </message>
    <message numerus="yes">
        <source>Move %n file(s) out of the game&apos;s reach, to:
%1

They keep their folders there and &quot;Undo Move&quot; brings them back.</source>
        <translation>
            <numerusform>%n Datei aus der Reichweite des Spiels verschieben, nach:
%1

Sie behält dort ihre Ordner, und „Verschieben rückgängig“ holt sie zurück.</numerusform>
            <numerusform>%n Dateien aus der Reichweite des Spiels verschieben, nach:
%1

Sie behalten dort ihre Ordner, und „Verschieben rückgängig“ holt sie zurück.</numerusform>
        </translation>
    </message>
    <message>
        <source>These files could not be moved:
</source>
        <translation>Diese Dateien konnten nicht verschoben werden:
</translation>
    </message>
    <message numerus="yes">
        <source>Moved %n file(s) to:
%1</source>
        <translation>
            <numerusform>%n Datei verschoben nach:
%1</numerusform>
            <numerusform>%n Dateien verschoben nach:
%1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Marked %n clash(es) as known; &quot;Known Clashes...&quot; lists them and takes a mark back.</source>
        <translation>
            <numerusform>%n Konflikt als bekannt markiert; „Bekannte Konflikte...“ listet ihn auf und nimmt eine Markierung zurück.</numerusform>
            <numerusform>%n Konflikte als bekannt markiert; „Bekannte Konflikte...“ listet sie auf und nimmt eine Markierung zurück.</numerusform>
        </translation>
    </message>
    <message>
        <source>Export CSV</source>
        <translation>CSV exportieren</translation>
    </message>
    <message>
        <source>CSV (*.csv)</source>
        <translation>CSV (*.csv)</translation>
    </message>
    <message>
        <source>&amp;Install...</source>
        <translation>I&amp;nstallieren...</translation>
    </message>
    <message>
        <source>Install the objects of the selected Sims2Pack files into Downloads</source>
        <translation>Die Objekte der ausgewählten Sims2Pack-Dateien nach Downloads installieren</translation>
    </message>
    <message>
        <source>Sims2Pack file</source>
        <translation>Sims2Pack-Datei</translation>
    </message>
    <message>
        <source>The game does not read Sims2Pack files; install them.</source>
        <translation>Das Spiel liest keine Sims2Pack-Dateien; installiere sie.</translation>
    </message>
    <message numerus="yes">
        <source>, %n Sims2Pack file(s) to install</source>
        <translation>
            <numerusform>, %n Sims2Pack-Datei zu installieren</numerusform>
            <numerusform>, %n Sims2Pack-Dateien zu installieren</numerusform>
        </translation>
    </message>
    <message>
        <source>Problems found</source>
        <translation>Gefundene Probleme</translation>
    </message>
</context>
<context>
    <name>varnick::frmMain</name>
    <message>
        <source>Focus</source>
        <translation>Fokus</translation>
    </message>
    <message>
        <source>Please select an alternate path:</source>
        <translation>Bitte wähle einen anderen Pfad:</translation>
    </message>
    <message>
        <source>Confirm Action</source>
        <translation>Aktion bestätigen</translation>
    </message>
    <message>
        <source>Exit this program?</source>
        <translation>Dieses Programm beenden?</translation>
    </message>
    <message>
        <source>Object Read Error.</source>
        <translation>Fehler beim Lesen des Objekts.</translation>
    </message>
    <message>
        <source>The GUID of object was not found.</source>
        <translation>Die GUID des Objekts wurde nicht gefunden.</translation>
    </message>
</context>
<context>
    <name>varnick::frmRecolorDetails</name>
    <message>
        <source>Selected Recolor Details</source>
        <translation>Details zum ausgewählten Recolor</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>File Path</source>
        <translation>Dateipfad</translation>
    </message>
    <message>
        <source>Recolor Name</source>
        <translation>Recolor-Name</translation>
    </message>
    <message>
        <source>Model Name</source>
        <translation>Modellname</translation>
    </message>
    <message>
        <source>Subset Name</source>
        <translation>Subset-Name</translation>
    </message>
</context>
<context>
    <name>varnick::frmSelectPath</name>
    <message>
        <source>Enter the new folder name:</source>
        <translation>Name des neuen Ordners:</translation>
    </message>
    <message>
        <source>Move Files - Select A Destination Folder</source>
        <translation>Dateien verschieben - Zielordner wählen</translation>
    </message>
    <message>
        <source>&amp;Selected Folder:</source>
        <translation>&amp;Ausgewählter Ordner:</translation>
    </message>
    <message>
        <source>Type a folder&apos;s path and press Return to open it.</source>
        <translation>Gib den Pfad eines Ordners ein und drücke die Eingabetaste, um ihn zu öffnen.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Create a &amp;New Folder</source>
        <translation>&amp;Neuen Ordner erstellen</translation>
    </message>
    <message>
        <source>Select a Folder</source>
        <translation>Ordner wählen</translation>
    </message>
    <message>
        <source>There is no folder %1.</source>
        <translation>Es gibt keinen Ordner %1.</translation>
    </message>
    <message>
        <source>Move Outside the Game&apos;s Folder?</source>
        <translation>Aus dem Spielordner heraus verschieben?</translation>
    </message>
    <message>
        <source>The objects will be moved to:
%1

This folder is outside the game&apos;s data folder, so the game will not load them from there. Move them there?</source>
        <translation>Die Objekte werden verschoben nach:
%1

Dieser Ordner liegt außerhalb des Datenordners des Spiels, daher lädt das Spiel sie dort nicht. Trotzdem dorthin verschieben?</translation>
    </message>
    <message>
        <source>User Input Error</source>
        <translation>Eingabefehler</translation>
    </message>
    <message>
        <source>Invalid folder name!</source>
        <translation>Ungültiger Ordnername!</translation>
    </message>
    <message>
        <source>Folder already exists!</source>
        <translation>Den Ordner gibt es schon!</translation>
    </message>
    <message>
        <source>Create a New Folder</source>
        <translation>Neuen Ordner erstellen</translation>
    </message>
    <message>
        <source>Can not create the folder %1!</source>
        <translation>Der Ordner %1 kann nicht erstellt werden!</translation>
    </message>
    <message>
        <source>Folders</source>
        <translation>Ordner</translation>
    </message>
    <message>
        <source>Drive</source>
        <translation>Laufwerk</translation>
    </message>
</context>
<context>
    <name>varnick::frmTitle</name>
    <message>
        <source>Catalog manager for custom objects</source>
        <translation>Katalogverwaltung für eigene Objekte</translation>
    </message>
    <message>
        <source>Varnick is not made, endorsed or supported by the makers or publishers of The Sims 2, and is not affiliated with them in any way.

This program is provided as is, without warranties of any kind, express or implied, including but not limited to the warranties of merchantability and fitness for a particular purpose. You bear the whole risk of using it.

Varnick changes, moves and deletes files of your game&apos;s custom content. Keep a backup of your Downloads folder before you use it.</source>
        <translation>Varnick wird von den Herstellern und Herausgebern von Die Sims 2 weder hergestellt noch empfohlen oder unterstützt und steht in keinerlei Verbindung zu ihnen.

Dieses Programm wird so bereitgestellt, wie es ist, ohne ausdrückliche oder stillschweigende Gewährleistung jeglicher Art, einschließlich, aber nicht beschränkt auf die Gewährleistung der Marktgängigkeit und der Eignung für einen bestimmten Zweck. Du trägst das gesamte Risiko seiner Verwendung.

Varnick ändert, verschiebt und löscht Dateien der eigenen Inhalte deines Spiels. Lege eine Sicherung deines Downloads-Ordners an, bevor du es verwendest.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Fatal Error</source>
        <translation>Schwerer Fehler</translation>
    </message>
    <message>
        <source>Choose Data Folder...</source>
        <translation>Datenordner wählen...</translation>
    </message>
    <message>
        <source>End Program</source>
        <translation>Programm beenden</translation>
    </message>
</context>
<context>
    <name>varnick::frmViewRecolor</name>
    <message>
        <source>Texture Preview Not Available</source>
        <translation>Keine Texturvorschau verfügbar</translation>
    </message>
    <message>
        <source>(Unknown Picture Format Code)</source>
        <translation>(Unbekannter Bildformatcode)</translation>
    </message>
    <message>
        <source>Selected File Preview</source>
        <translation>Vorschau der ausgewählten Datei</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <source>Selected File Preview - %1 (%2 x %3)</source>
        <translation>Vorschau der ausgewählten Datei - %1 (%2 x %3)</translation>
    </message>
    <message>
        <source>Selected File Preview - %1</source>
        <translation>Vorschau der ausgewählten Datei - %1</translation>
    </message>
</context>
</TS>
