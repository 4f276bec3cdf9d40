<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US">
<context>
    <name>ChangeWords</name>
    <message numerus="yes">
        <source>%1 on %n object(s)?</source>
        <translation>
            <numerusform>%1 on %n object?</numerusform>
            <numerusform>%1 on %n objects?</numerusform>
        </translation>
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
    <message numerus="yes">
        <source>%n entries</source>
        <translation>
            <numerusform>%n entry</numerusform>
            <numerusform>%n entries</numerusform>
        </translation>
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
</context>
<context>
    <name>varnick::ObjectTableView</name>
    <message numerus="yes">
        <source>The table holds changes of %n object(s) that are not saved:</source>
        <translation>
            <numerusform>The table holds changes of %n object that are not saved:</numerusform>
            <numerusform>The table holds changes of %n objects that are not saved:</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 on %n object(s).</source>
        <translation>
            <numerusform>%1 on %n object.</numerusform>
            <numerusform>%1 on %n objects.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>(and %n more change(s))</source>
        <translation>
            <numerusform>(and %n more change)</numerusform>
            <numerusform>(and %n more changes)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 of %n object(s)</source>
        <translation>
            <numerusform>%1 of %n object</numerusform>
            <numerusform>%1 of %n objects</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>varnick::Sims2PackInstallDialog</name>
    <message numerus="yes">
        <source>Reading %n Sims2Pack file(s)...</source>
        <translation>
            <numerusform>Reading %n Sims2Pack file...</numerusform>
            <numerusform>Reading %n Sims2Pack files...</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Installed %n object(s):
%1</source>
        <translation>
            <numerusform>Installed %n object:
%1</numerusform>
            <numerusform>Installed %n objects:
%1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n object(s) already installed: skipped.</source>
        <translation>
            <numerusform>%n object already installed: skipped.</numerusform>
            <numerusform>%n objects already installed: skipped.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n item(s) (lots, families or Sims) to install through the game.</source>
        <translation>
            <numerusform>%n item (lots, families or Sims) to install through the game.</numerusform>
            <numerusform>%n items (lots, families or Sims) to install through the game.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n object(s) to install</source>
        <translation>
            <numerusform>%n object to install</numerusform>
            <numerusform>%n objects to install</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n object(s) installed already</source>
        <translation>
            <numerusform>%n object installed already</numerusform>
            <numerusform>%n objects installed already</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n item(s) to install through the game</source>
        <translation>
            <numerusform>%n item to install through the game</numerusform>
            <numerusform>%n items to install through the game</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n GUID clash(es)</source>
        <translation>
            <numerusform>%n GUID clash</numerusform>
            <numerusform>%n GUID clashes</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n name(s) taken</source>
        <translation>
            <numerusform>%n name taken</numerusform>
            <numerusform>%n names taken</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n file(s) that cannot be installed</source>
        <translation>
            <numerusform>%n file that cannot be installed</numerusform>
            <numerusform>%n files that cannot be installed</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>varnick::Sims2PackInstallList</name>
    <message numerus="yes">
        <source>%1: %n item(s) into %2</source>
        <translation>
            <numerusform>%1: %n item into %2</numerusform>
            <numerusform>%1: %n items into %2</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 and %n other package(s)</source>
        <translation>
            <numerusform>%1 and %n other package</numerusform>
            <numerusform>%1 and %n other packages</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>varnick::ThumbnailPane</name>
    <message numerus="yes">
        <source>%n object(s) marked</source>
        <translation>
            <numerusform>%n object marked</numerusform>
            <numerusform>%n objects marked</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n file(s) could not be read</source>
        <translation>
            <numerusform>%n file could not be read</numerusform>
            <numerusform>%n files could not be read</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>varnick::frmBatchEdit</name>
    <message numerus="yes">
        <source>%n object(s) selected; blank boxes and unselected lists are mixed and keep each object&apos;s own value until changed.</source>
        <translation>
            <numerusform>%n object selected; blank boxes and unselected lists are mixed and keep each object&apos;s own value until changed.</numerusform>
            <numerusform>%n objects selected; blank boxes and unselected lists are mixed and keep each object&apos;s own value until changed.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>varnick::frmDeleteMove</name>
    <message numerus="yes">
        <source>%n file(s) could not be read and were not searched for recolors.</source>
        <translation>
            <numerusform>%n file could not be read and was not searched for recolors.</numerusform>
            <numerusform>%n files could not be read and were not searched for recolors.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>You are about to move the object and its %n recolor(s) to the trash.</source>
        <translation>
            <numerusform>You are about to move the object and its %n recolor to the trash.</numerusform>
            <numerusform>You are about to move the object and its %n recolors to the trash.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>You are about to move %n selected recolor(s) of this object to the trash.</source>
        <translation>
            <numerusform>You are about to move %n selected recolor of this object to the trash.</numerusform>
            <numerusform>You are about to move %n selected recolors of this object to the trash.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>varnick::frmLibraryHealth</name>
    <message numerus="yes">
        <source>%n file(s)</source>
        <translation>
            <numerusform>%n file</numerusform>
            <numerusform>%n files</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n orphan recolor(s)</source>
        <translation>
            <numerusform>%n orphan recolor</numerusform>
            <numerusform>%n orphan recolors</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Move %n file(s) out of the game&apos;s reach, to:
%1

They keep their folders there and &quot;Undo Move&quot; brings them back.</source>
        <translation>
            <numerusform>Move %n file out of the game&apos;s reach, to:
%1

It keeps its folders there and &quot;Undo Move&quot; brings it back.</numerusform>
            <numerusform>Move %n files out of the game&apos;s reach, to:
%1

They keep their folders there and &quot;Undo Move&quot; brings them back.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Moved %n file(s) to:
%1</source>
        <translation>
            <numerusform>Moved %n file to:
%1</numerusform>
            <numerusform>Moved %n files to:
%1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Marked %n clash(es) as known; &quot;Known Clashes...&quot; lists them and takes a mark back.</source>
        <translation>
            <numerusform>Marked %n clash as known; &quot;Known Clashes...&quot; lists them and takes a mark back.</numerusform>
            <numerusform>Marked %n clashes as known; &quot;Known Clashes...&quot; lists them and takes a mark back.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>, %n Sims2Pack file(s) to install</source>
        <translation>
            <numerusform>, %n Sims2Pack file to install</numerusform>
            <numerusform>, %n Sims2Pack files to install</numerusform>
        </translation>
    </message>
</context>
</TS>
