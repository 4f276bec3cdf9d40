<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR">
<context>
    <name>Backups</name>
    <message>
        <source>The previous version cannot be kept as a backup (%1)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No backup folder is free for %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The backup folder cannot be created</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The backup folder cannot be named: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No original of this file was kept</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The original cannot be copied back (%1)</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>BatchEdit</name>
    <message>
        <source>The package changed on disk since it was loaded; it was left as it is</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The package changed on disk while it was being saved; it was left as it is</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>BatchSummary</name>
    <message>
        <source>Saved: %1, unchanged: %2, refused: %3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Saved: %1, unchanged: %2, refused: %3, not reached: %4</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CatalogLists</name>
    <message>
        <source>Comfort</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Surfaces</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Appliances</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Electronics</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Plumbing</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Decorative</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Miscellaneous</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Lighting</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hobbies</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Dining Chairs</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Living Chairs</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sofas/Loveseats</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Beds</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Recliners</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Counters</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tables</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>End Tables</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Desks</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Coffee Tables</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Shelves</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cooking</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Refrigerators</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Small Appliances</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Large Appliances</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Entertainment</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>TVs/Computers</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Audio</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Small Electronics</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Toilets</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Showers/Tubs</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sinks</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hot Tubs</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Wall Hangings</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sculptures</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rugs</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Plants</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mirrors</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Curtains</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Dressers</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Party</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Children</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Vehicle</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Table Lamps</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Floor Lamps</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Wall Lamps</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hanging Lamps</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Outdoor Lamps</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Creative</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Knowledge</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Exercise</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Recreation</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>None</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Doors/Windows</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Garden Center</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Doors</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>M-Story Windows</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Windows</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Gates</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Archways</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Multi-Story Doors</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Trees</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Shrubs</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Flowers</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Columns</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stairs</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Swimming Pool</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>M-Story Columns</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Column Arches</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Garage</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Elevators</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Kitchen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bedroom</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bathroom</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Living Room</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Outside</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Dining Room</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Study</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Kids</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Dining</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Shops</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Outdoor</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Street</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mechanical</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Logic</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Body</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Creativity</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Charisma</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cleaning</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>(No Wants Satisfy Code)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Alarm Clocks</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bars</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bass</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bonfire</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bookcases</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bowling Alley</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bubbleblower</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Burglar Alarm</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Car</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Card Table</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Changing Table</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Coffee Machines</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Coffin</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Computers</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Counterfeit Machine</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Counters/Islands</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Crib</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Desk</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Dining Chair</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Dishwashers</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Display Case</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Dj Booth</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Double Bed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Drumbkit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Easel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Electro Dance Sphere</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Elevator</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Espresso Machines</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fire Alarm</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fireplace</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Florist Bench</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Food Processor</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fountain</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fridges</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Games</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Grills</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Guitar</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>High Chair</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hottubs</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Juice Keg</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Karaoke Machine</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Lemonade Stand</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Living Chair</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Lounge Chair</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Makeover Station</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Microwave</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Paintings</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Phone</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Piano</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Recliner</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Refrigerated Display Case</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Robot Station</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rug</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Single Bed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sofas/Love Seats</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stereos</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stoves</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Telescopes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Toaster Oven</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Toymaking Bench</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Toys</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Trash Compactors</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>TVs</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Workout Bench</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ChangeWords</name>
    <message>
        <source>nothing</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>none</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>flag value %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Function</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Function Sub-Category</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Build Type</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Build Sub-Type</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Wants Satisfy Category</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Room</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Community</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Skill Flags</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Write each object&apos;s own changes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 to %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Description</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Set %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>add %1 to %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>remove %1 from %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1; %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>%1 on %n object(s)?</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
</context>
<context>
    <name>ClearCachesAction</name>
    <message>
        <source>Clear Game Caches</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>There are no game caches to clear in %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Confirm Action</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Move these caches to the backup folder? The game makes them anew at its next start, which takes longer than usual.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Moving the game&apos;s caches...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Moved to the backup folder:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Left as they were:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OPERATION SUCCESSFUL</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Clear Game &amp;Caches...</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Compression</name>
    <message>
        <source>The compressed resource (%1 bytes) is damaged and cannot be decompressed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A resource of %1 bytes cannot be compressed (at most 16,777,215 bytes)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The compressed resource %1 (type %2, instance %3) is damaged and cannot be decompressed</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Editions</name>
    <message>
        <source>Legacy Collection</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ultimate Collection</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Classic</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>macOS</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>EditorControls</name>
    <message>
        <source>This box</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 holds at most %2; %2 will be written.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Failures</name>
    <message>
        <source>Out of memory</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>FileNames</name>
    <message>
        <source>is empty</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>is not valid UTF-8 text</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>is an absolute path</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>begins with a drive letter</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>contains a path separator (%1)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>names a folder (&quot;%1&quot;), not a file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>contains %1, which Windows does not allow in file names</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ends with a dot, which Windows drops</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ends with a space, which Windows drops</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>is a device name that Windows reserves</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>is longer than the 255 characters a file name can have</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Files</name>
    <message>
        <source>The file cannot be opened for reading: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The file cannot be opened for writing: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reading %1 bytes at offset %2 failed: %3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Writing %1 bytes at offset %2 failed: %3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The file cannot be opened for writing: another program is using it</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The length of the file cannot be read: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The file cannot be opened for reading: it is a folder</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The file ended %1 bytes short of a read of %2 bytes at offset %3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The file cannot be read: it is a folder</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Flushing the file to disk failed: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Closing the file failed: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Windows takes its name for a device&apos;s (CON, AUX, NUL, COM1 and the like); rename the file</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Folders</name>
    <message>
        <source>Can not list the folder %1: %2</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>FoundBy</name>
    <message>
        <source>Windows registry</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Wine registry</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Documents folder</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Steam library</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Application Support folder</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Environment variable</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Chosen by you</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>GameFiles</name>
    <message>
        <source>%1 MiB</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 bytes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>cannot be read (%1)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>is larger than %1 (%2 bytes)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>cannot be opened</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>cannot be read</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>holds a list where one folder was expected</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ends inside an escape</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>holds an escape \x without digits</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>has a text without its closing quote</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>holds a value that is not a text</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>is longer than %1 bytes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>is not valid UTF-8 text</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>holds control characters</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>is not a full folder path (%1)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>names a folder that does not exist (%1)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a closing brace has no opening one</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>is damaged at line %1: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a quoted text has no closing quote</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a condition has no closing bracket</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>blocks are nested deeper than %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the file ends inside a block (it was cut off)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a block has no key</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>more than %1 keys</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the file ends after a key (it was cut off)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a key has no value</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>is not a text file (it holds NUL bytes)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>is not a list of Steam libraries (it has no &quot;libraryfolders&quot; block)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>is too large to read</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>binary data holds &apos;%1&apos;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a text has no closing quote</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>text follows a closed value</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a value name has no closing quote</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a value name is not followed by &apos;=&apos;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a text type has no closing parenthesis</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a typed text is not quoted</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a dword value does not have eight hex digits</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a binary type has no closing parenthesis</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a value of unknown type</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the line is longer than %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>is not a Wine registry file (its first line is not &quot;%1&quot;)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a key name has no closing bracket</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the line is neither a key nor a value</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a value stands before the first key</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>is empty</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ends inside a value (the file was cut off)</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>GameRunningGuard</name>
    <message>
        <source>The Sims 2 Is Running</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>GameSearch</name>
    <message>
        <source>the setting &quot;%1&quot; %2</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>LibraryHealth</name>
    <message>
        <source>The package is the container of a later game (version %1.%2); this game reads version 1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Resource %1 (%2) lies past the end of the file: %3 bytes at offset %4, file %5 bytes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The directory of compressed files lists %1, which is not in the package</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The directory of compressed files disagrees with resource %1: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>compressed but not listed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>listed but not compressed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The file is empty</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>LibraryIndex</name>
    <message>
        <source>The library index failed (%1): %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The library index failed: %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>NumericFields</name>
    <message>
        <source>Price</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hunger</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Comfort</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hygiene</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bladder</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Energy</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fun</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Room</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Room motive</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Niceness Multiplier:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Niceness Multiplier</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Initial</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Initial Depreciation</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Daily</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Daily Depreciation</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Limit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Depreciation Limit</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ObjectColumn</name>
    <message>
        <source>Thumbnail</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Price</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Function</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Function Sub-category</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rooms</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Community</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Build</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Build Sub-type</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Skills</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Wants</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>GUID</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>File</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ObjectEditor</name>
    <message>
        <source>Missing OBJD</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OBJD too short: %1 bytes, the catalog fields need %2</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>OriginalRestore</name>
    <message>
        <source>Restore Original</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Restore the original version of %1? The current version is kept as a backup.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No backup of this object is kept.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The original version of %1 was restored.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>PackageReader</name>
    <message numerus="yes">
        <source>%n byte(s)</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <source>1 entry</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>%n entries</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <source>file</source>
        <extracomment>What a package read from disk is called. Every refusal naming it can be said as &quot;of the file&quot; (&quot;the end of the file&quot;, &quot;the length of the file&quot;), so the translation may carry that article.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A read of %1 bytes at offset %2 lies outside the package (%3 bytes)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>package</source>
        <extracomment>What a package read from memory is called. Every refusal naming it can be said as &quot;of the package&quot; (&quot;the end of the package&quot;, &quot;the length of the package&quot;), so the translation may carry that article.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The %1 is %2 long, shorter than the 96-byte package header</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Index count %1 is negative</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Index of %1 starts at offset %2, before the start of the %3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Index of %1 at offset %2 runs past the end of the %3 (%4)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The index ended early while it was read (the file changed)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Resource %1 of %2 (type %3)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 starts at offset %2, before the start of the %3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 has a negative size (%2)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 at offset %2 with %3 runs past the end of the %4 (%5)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The index&apos;s %1 name resources of %2 in all, more than the %3 (%4) can hold even with shared ranges</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The package header needs 96 bytes, %1 are there</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>PackageScan</name>
    <message>
        <source>The file name is not valid Unicode (the odd character is shown as �); rename the file to use it</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Windows does not allow this file name (the name %1), so the game cannot load it; rename the file to use it</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>There is not enough memory to read the package</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>PackageWriter</name>
    <message>
        <source>%1 %2 has a %3 of %4 bytes; identifiers are 4 bytes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>type identifier</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Resource</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>group identifier</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>instance identifier</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>resource identifier</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The package would grow past 2 GiB at resource %1; offsets in a package are 32-bit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The package&apos;s index would end past 2 GiB; offsets in a package are 32-bit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 (still so after %2 retries)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Directory entry</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Phrasebook</name>
    <message>
        <source>%1, %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>RecolorTrash</name>
    <message>
        <source>The files go to the trash, from where they can still be restored.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This system has no trash: the files are deleted for good.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Resources</name>
    <message>
        <source>Object definition</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Package index</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hole table</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Package header</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Directory of compressed files</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Property set</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>is %1, but %2 bytes cannot hold that many items</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>is %1, but %2 bytes cannot hold that many records of %3 bytes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Resource collection</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Texture image</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>is negative (%1)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: %2 at offset %3 needs %4 bytes, but only %5 of %6 are left</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: %2 at offset %3 %4</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sims2Pack header</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Text list</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>declares %1 entries, but only %2 bytes follow</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>RestoreOriginalAction</name>
    <message>
        <source>The original could not be restored; the file was left as it was.<byte value="xd"/>
<byte value="xd"/>
</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>RunningGame</name>
    <message>
        <source>The Sims 2 is running (%1). Close the game before changing your downloads.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Sims2Pack</name>
    <message numerus="yes">
        <source>%n byte(s)</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <source>the XML&apos;s root element is &lt;%1&gt;, not &lt;Sims2Package&gt;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>item %1 has two &lt;%2&gt; elements</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the XML lists more than %1 items</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the XML lists more than %1 dependencies</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 has an empty &lt;%2&gt;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the &lt;%1&gt; of %2 is negative (%3)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the &lt;%1&gt; of %2 is &quot;%3&quot;, not a whole number</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the &lt;%1&gt; of %2 (%3) is too large</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 lies outside the data: its Offset %2 and Length %3 end at byte %4 of the data, which holds %5</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 and %2 overlap: they hold bytes %3 to %4 and %5 to %6 of the data</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the data begins with %1 that belong to no item (the first item, %2, starts at byte %3)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the Length of %1 (%2) disagrees with the data: it ends at byte %3, but the next item starts at byte %4</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the XML lists no item with any bytes, but %1 of data follow it</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the Length of %1 (%2) disagrees with the data: the items end at byte %3, but the data holds %4</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>item %1 (&quot;%2&quot;)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the file is %1 long, shorter than the 22-byte header of a Sims2Pack file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>not a Sims2Pack file: bytes 0 to 17 hold &quot;%1&quot;, not &quot;%2&quot; or &quot;%3&quot;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the data offset (bytes 18 to 21) is %1, before byte 22, where the XML begins</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the data offset (bytes 18 to 21) is %1, past the end of the file (%2)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the XML (bytes 22 to %1) is %2 long, more than the 16 MiB allowed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the XML cannot be read: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 has no &lt;Length&gt;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 has no &lt;Offset&gt;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the file holds %1 bytes, more than the 2 GiB a Sims2Pack file can hold</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Sims2PackInstall</name>
    <message>
        <source>%1 is not a readable package: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: the name %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a folder</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The folder %1 cannot be listed: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&quot;%1&quot; cannot be compared with the item: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the folder cannot be created: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a file of that name appeared meanwhile</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 could not be written (%2); nothing was written from the Sims2Pack</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the file&apos;s name gives no folder to install into (&quot;%1&quot; %2); choose a folder</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 and %2 share a name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: &quot;%2&quot; holds %3 numbered files of its name already</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&quot;%1&quot; is taken in &quot;%2&quot; by a different file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&quot;%1&quot; is taken in &quot;%2&quot; by a different file, and so is 1 more name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&quot;%1&quot; is taken in &quot;%2&quot; by a different file, and so are %3 more names</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&quot;%1&quot; holds &quot;%2&quot; already</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The game&apos;s Downloads folder was not found; choose a folder to install into</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1; choose a folder to install into</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Sims2PackInstallWork</name>
    <message>
        <source>GUID clashes were not checked: the game&apos;s Downloads folder was not found.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>GUID clashes were not checked: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>GUID clashes were not checked: this build has no library index.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>StartupChecks</name>
    <message>
        <source>Kelvora DLL version obsolete!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>DLL version found: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>DLL version required: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Can not find the documents folder!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Can not find the path to the Sims 2!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Can not find Sims 2 data path!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Program can not be run from the sims data folder!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Kelvora DLL not found!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Kelvora DLL can not be used!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Can not create the temp folder!</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>SupportLibrary</name>
    <message>
        <source>The support library &quot;%1&quot; could not be loaded (%2)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The support library &quot;%1&quot; has no function &quot;%2&quot;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 of %2 bytes is too large for the support library</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A compressed resource</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A resource</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A pixel buffer</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ThumbnailPages</name>
    <message>
        <source>Page %1 of %2</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ThumbnailPurge</name>
    <message>
        <source>The backup folder %1 cannot be created: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The previous %1 could not be kept in %2: %3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 changed on disk while it was purged; try again when the game is closed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 is corrupt!!!<byte value="xd"/>
<byte value="xd"/>
Operation aborted.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Resource %1 of %2 (type %3) at offset %4 with %5 bytes lies outside the file (%6 bytes)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The rewritten %1 would grow past 2 GiB; offsets in a package are 32-bit</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ThumbnailPurgeAction</name>
    <message>
        <source>This menu choice will delete all of the thumbnails for this object, including recolors. When a new mesh or texture is created for an object, the old thumbnails are not updated to reflect the changes. For object creators this can be a real annoyance. The game will generate new thumbnails for an object the next time you view the catalog information for it in the game. (Note: This can take a long time to finish if you have alot of custom content.)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Would you like to delete all the thumbnails for this object?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 does not exist and was skipped.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 was left as it was.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Purging thumbnails...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Delete Selected Object Thumbnails</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>CONFIRM ACTION</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>EXTREMELY BAD ERROR</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OPERATION CANCELLED</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The purge was cancelled.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OPERATION SUCCESSFUL</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>All thumbnails for the selected object have been purged.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No object is selected</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Words</name>
    <message>
        <source>The file is too short to be a package</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The file is damaged: its table of contents runs past its end</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The file is damaged: its table of contents is garbled</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The file changed while it was being read</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The file is damaged: a part of it runs past its end (it may be cut short)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The file is damaged: a part of it is garbled</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The file is damaged: it ends too early</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The file cannot be read as a package</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>WorkProgress</name>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancelling...</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>varnick::AboutDialog</name>
    <message>
        <source>(not found)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>not loaded (%1)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>(none)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Varnick: %1.%2.%3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Kelvora: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Qt: %1 (built with %2)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Game folder: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Data folder: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Settings: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Backups: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Library index: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>About Varnick</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Browse, edit and tidy the custom objects you downloaded for the game.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Puts these lines on the clipboard, to paste into a question on a help forum.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Versions and folders</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>varnick::AppearanceDialog</name>
    <message>
        <source>Appearance</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>System</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Light</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Dark</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Colours:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>System follows the look of your desktop.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>varnick::FolderPane</name>
    <message>
        <source>Do&amp;wnloads Folder</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Alternate Path</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Alternate Path: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Folders</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>varnick::HelpViewer</name>
    <message>
        <source>&amp;Contents</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Back</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Close</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Varnick Help - %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>varnick::LanguageDialog</name>
    <message>
        <source>Language</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>System language</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Language:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The new language takes effect the next time Varnick starts.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>varnick::MainMenus</name>
    <message>
        <source>&amp;File</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Turn &amp;Selection Rectangle Off</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Backups and Saving...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Appearance...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Language...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Tools</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Delete Selected Object &amp;Thumbnails</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Restore Original...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Library &amp;Health...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Select All on This &amp;Page</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Select &amp;All in This Folder</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Edit Selected...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Help &amp;Contents</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;About Varnick</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Edit Object</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Delete/Move...</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>varnick::ObjectPane</name>
    <message>
        <source>Selected Object File</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Selected Ob&amp;ject Details</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>varnick::ObjectTableModel</name>
    <message>
        <source>Changed; not saved yet (Save Changes writes it)</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>varnick::ObjectTableView</name>
    <message>
        <source>Filter by name, file name or GUID</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Edit Selected...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save Changes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Discard Changes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Export CSV...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>The table holds changes of %n object(s) that are not saved:</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 on %n object(s).</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>(and %n more change(s))</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <source>Save them now?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unsaved Changes</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>%1 of %n object(s)</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <source>%1, %2 changed (not saved)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Confirm Save</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Saving objects...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Export CSV</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>CSV files (*.csv);;All files (*)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Export Failed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The table could not be written to %1: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Filter</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Objects</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>varnick::ObjectTabs</name>
    <message>
        <source>Objects</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Thumbnail&amp;s</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ta&amp;ble</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>varnick::OptionsDialog</name>
    <message>
        <source>&amp;Keep saved resources compressed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Options</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>How many earlier versions of each saved file are kept, the original included.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>For ever</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> days</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>How long a backup is kept; 0 keeps them for ever.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Saved objects store their changed resources compressed where they were compressed before.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Backup &amp;Generations:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Backup &amp;Days:</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>varnick::RecolorStatusBar</name>
    <message>
        <source>Search progress</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 of %2 files searched</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>varnick::Sims2PackInstallAction</name>
    <message>
        <source>Install Sims2&amp;Pack...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Install the objects of Sims2Pack files into Downloads, where the game reads them</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>varnick::Sims2PackInstallDialog</name>
    <message>
        <source>... and %1 more</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Install Sims2Pack</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sims2Pack files (*.sims2pack *.Sims2Pack *.SIMS2PACK);;All files (*)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>C&amp;hoose Folder...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Install every object into one folder of your choice instead</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Where a name is taken, install under a &amp;numbered name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A file of the same name but different contents is kept; the object is written beside it as &quot;name (2).package&quot;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Install</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reading was cancelled: nothing can be installed.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Checking your downloads for GUID clashes...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Checking the files again...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Install the objects into:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Names Taken</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1

Install these objects under numbered names, such as &quot;name (2).package&quot;? Skipping installs the other Sims2Pack files only.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Install &amp;Renamed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Skip Those Files</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Installing...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nothing new was installed.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Refused, nothing of them written:
%1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stopped: the files after the last one installed were left as they were.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show in &amp;Folder</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No file manager could be started. The objects are in:
%1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stopping after the file being installed...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Objects go into Downloads, each Sims2Pack file&apos;s into a folder named after it.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Objects go into %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>Reading %n Sims2Pack file(s)...</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Installed %n object(s):
%1</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n object(s) already installed: skipped.</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n item(s) (lots, families or Sims) to install through the game.</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n object(s) to install</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n object(s) installed already</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n item(s) to install through the game</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n GUID clash(es)</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n name(s) taken</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n file(s) that cannot be installed</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
</context>
<context>
    <name>varnick::Sims2PackInstallList</name>
    <message>
        <source>Objects in the files</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Object</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Type</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Size</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Installs As</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Warnings</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>%1: %n item(s) into %2</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <source>%1
Global GUID %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 bytes; %2 bytes compressed in the Sims2Pack</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 bytes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Install through the game</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Its name is taken: installs under a numbered name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Its name is taken by a different file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Its name is taken: installs as &quot;%1&quot;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Already installed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The game</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Lots, families and Sims are installed by the game&apos;s own installer, not copied into Downloads</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>%1 and %n other package(s)</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <source>GUID %1 is already defined by %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The game may show only one of two objects that share a GUID.
%1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Downloads</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>varnick::SkippedFilesDialog</name>
    <message>
        <source>Files That Could Not Be Read</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>File</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reason</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Close</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Files that could not be read</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>varnick::ThumbnailGrid</name>
    <message>
        <source>Page %1, position %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>; marked</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>; picture made from its texture</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Objects</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>varnick::ThumbnailPane</name>
    <message>
        <source>Objects in the Selected Folde&amp;r</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>F&amp;irst</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pre&amp;vious</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Next</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Last</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Edit Object</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Delete/Move</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Choose a folder on the left to see its objects.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This folder holds no objects.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Picture made from the object&apos;s texture</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nothing marked</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>%n object(s) marked</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n file(s) could not be read</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <source>Page</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>varnick::WorkStatus</name>
    <message>
        <source>&amp;Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Looking for objects in the folder...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Drawing the page...</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>varnick::frmBatchEdit</name>
    <message>
        <source>Loading objects...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>User Input Error</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>None of the selected packages holds an object that can be edited.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Varnick - Edit Selected Objects</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Description</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Depreciation</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Motives</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Price</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Niceness M&amp;ultiplier:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Initial</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Hunger</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ca&amp;tegories</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sub-Categories</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Build T&amp;ype</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Build Sub-Type</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ro&amp;om</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Co&amp;mmunity</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Skill &amp;Flags</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Function</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Build Mode</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Wants Satisfy Category</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Save Objects</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Cancel Editing</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>%n object(s) selected; blank boxes and unselected lists are mixed and keep each object&apos;s own value until changed.</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <source>(mixed)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The objects differ in their category; choose one to set the sub-category.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The objects differ in their build type; choose one to set the sub-type.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nothing to Save</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nothing was changed; no package was written.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Confirm Save</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Saving objects...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save Cancelled</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save Summary</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save Successful</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>varnick::frmDeleteMove</name>
    <message>
        <source>Are you absolutely sure that you want to do this?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>*** no recolors found ***</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Delete/Move The Selected Object File</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>View Selected</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>De&amp;tails</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Selected Package Details</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Select &amp;All</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Select All Recolors</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Unselect All</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unselect All Recolors</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Delete Object And All Recolors</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Delete &amp;Selected Recolors</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Move Object And All Recolors</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>E&amp;xit This Window</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Selected Object Filename</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Recolors of the Selected Object</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>%n file(s) could not be read and were not searched for recolors.</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <source>OPERATION SUCCESSFUL</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OPERATION INCOMPLETE</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>These files could not be deleted and were left as they were:<byte value="xd"/>
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You are about to PERMANENTLY DESTROY the object and all of it&apos;s recolors.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You are about to move the object to the trash.</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>You are about to move the object and its %n recolor(s) to the trash.</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <source>CONFIRM DELETE</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The object has been deleted.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You are about to PERMANENTLY DESTROY the selected recolors for this object.</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>You are about to move %n selected recolor(s) of this object to the trash.</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <source>The selected recolors have been deleted.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>USER INPUT ERROR</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Source and destination are the same!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nothing was moved: the destination is not a folder:<byte value="xd"/>
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nothing was moved: these files are already in the destination folder or share a name with another file being moved:<byte value="xd"/>
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The move stopped: %1<byte value="xd"/>
The files before it were moved; the others were left where they were.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 files were moved to:<byte value="xd"/>
%2</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>varnick::frmEditObject</name>
    <message>
        <source>No Image</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>C&amp;lear All Flags</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Restore Original</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Save Object</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Cancel Editing</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Help</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Description</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Price</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Catalog Image</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Function</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ca&amp;tegories</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sub-Categories</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Build Mode</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Build T&amp;ype</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Build Sub-Type</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ro&amp;om</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Co&amp;mmunity</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Skill &amp;Flags</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Depreciation</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Initial</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Daily</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Limit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Motives</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Hunger</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Wants Satisfy Category</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Niceness M&amp;ultiplier:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Keep saved resources compressed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Put back the version kept before the first save</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The package file:<byte value="xd"/>
%1<byte value="xd"/>
<byte value="xd"/>
Has changed on disk since the editor opened it, so it was not saved.<byte value="xd"/>
Cancel editing and open the object again.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save Successful</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The package file:<byte value="xd"/>
%1<byte value="xd"/>
<byte value="xd"/>
Has been saved successfully.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Subcategories</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Build subtypes</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>varnick::frmErrorDialog</name>
    <message>
        <source>Unrecoverable Error - Program Execution Halted</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The program has encountered an unexpected error and has halted operation. The error encountered is listed in the text box below.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Copy error message to the Windows clipboard.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Close the error dialog and end the program.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Open web page %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Send mail to %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Error - Bad URL</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Support web page not found!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Error - Browser Not Found</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Could not find the default web browser!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Error details</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>varnick::frmFindRecolors</name>
    <message>
        <source>Searching For Recolors</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancelling...</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>varnick::frmGameInstallation</name>
    <message>
        <source>Game Installation</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Choose Your Game</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Varnick found The Sims 2 more than once on this computer. Choose the installation whose downloads you want to manage. You can change it later under File, Game Installation.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The installations of The Sims 2 found on this computer, the one Varnick chooses first at the top. Choose one, or add the game&apos;s data folder (the folder holding Downloads) by hand. Varnick uses your choice from its next start.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Edition</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Data folder</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Install folder</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Use This Installation</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Add Folder...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 (the game has not made it yet)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>In use now</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Not read:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The game was not found. Add its data folder by hand.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Choose the game&apos;s data folder (the folder holding Downloads):</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>USER INPUT ERROR</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This folder can not be used: it %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Confirm Action</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This folder holds no Downloads, Neighborhoods or Thumbnails folder, so it does not look like the game&apos;s data folder:<byte value="xd"/>
<byte value="xd"/>
%1<byte value="xd"/>
<byte value="xd"/>
Use it anyway?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Game &amp;Installation...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Varnick will use this data folder from its next start:<byte value="xd"/>
<byte value="xd"/>
%1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Game installations found</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Found by</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>varnick::frmKnownClashes</name>
    <message>
        <source>Known Clashes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>These GUID clashes were marked as known and are left out of the review. Unmark one to see it listed again.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>GUID</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Packages</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Unmark</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>(not found in the latest scan)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the game</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Known clashes</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>varnick::frmLibraryHealth</name>
    <message>
        <source>Library Health</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Scan Again</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>File</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Problem</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Detail</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show in &amp;Folder</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Move to &amp;Quarantine</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Undo Move</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Edit Object</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mark Clash &amp;Known</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>K&amp;nown Clashes...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>E&amp;xport CSV...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>C&amp;lose</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Scanning...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The scan was cancelled.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot be read</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Orphan recolor</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>objectGUID %1 matches no object</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>GUID clash</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>GUID %1 is defined by %2 packages and the game</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>GUID %1 is defined by %2 packages</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Duplicate</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 identical files of %2 bytes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 unreadable, %2, %3 in GUID clashes, %4 duplicated</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>%n file(s)</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n orphan recolor(s)</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <source>No file manager could be started. The files are in:
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Move to Quarantine</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>Move %n file(s) out of the game&apos;s reach, to:
%1

They keep their folders there and &quot;Undo Move&quot; brings them back.</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <source>These files could not be moved:
</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>Moved %n file(s) to:
%1</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Marked %n clash(es) as known; &quot;Known Clashes...&quot; lists them and takes a mark back.</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <source>Export CSV</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>CSV (*.csv)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Install...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Install the objects of the selected Sims2Pack files into Downloads</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sims2Pack file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The game does not read Sims2Pack files; install them.</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>, %n Sims2Pack file(s) to install</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <source>Problems found</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>varnick::frmMain</name>
    <message>
        <source>Focus</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please select an alternate path:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Confirm Action</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Exit this program?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Object Read Error.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The GUID of object was not found.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>varnick::frmRecolorDetails</name>
    <message>
        <source>Selected Recolor Details</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Close</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>File Path</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Recolor Name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Model Name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Subset Name</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>varnick::frmSelectPath</name>
    <message>
        <source>Enter the new folder name:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Move Files - Select A Destination Folder</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Selected Folder:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Type a folder&apos;s path and press Return to open it.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Create a &amp;New Folder</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Select a Folder</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>There is no folder %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Move Outside the Game&apos;s Folder?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The objects will be moved to:
%1

This folder is outside the game&apos;s data folder, so the game will not load them from there. Move them there?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>User Input Error</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Invalid folder name!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Folder already exists!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Create a New Folder</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Can not create the folder %1!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Folders</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Drive</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>varnick::frmTitle</name>
    <message>
        <source>Catalog manager for custom objects</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Varnick is not made, endorsed or supported by the makers or publishers of The Sims 2, and is not affiliated with them in any way.

This program is provided as is, without warranties of any kind, express or implied, including but not limited to the warranties of merchantability and fitness for a particular purpose. You bear the whole risk of using it.

Varnick changes, moves and deletes files of your game&apos;s custom content. Keep a backup of your Downloads folder before you use it.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fatal Error</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Choose Data Folder...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>End Program</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>varnick::frmViewRecolor</name>
    <message>
        <source>Texture Preview Not Available</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>(Unknown Picture Format Code)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Selected File Preview</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Selected File Preview - %1 (%2 x %3)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Selected File Preview - %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
