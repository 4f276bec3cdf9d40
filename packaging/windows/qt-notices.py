#!/usr/bin/env python3
"""Prints the notices of the third-party code inside the Qt libraries that
Varnick ships for Windows: every attribution Qt's source records for the
parts built into Core, Gui, Widgets, Test, the Windows platform plugin, the
Windows style and the image format plugins, each with its licence texts.

    qt-notices.py QT_SOURCE_DIR QT_VERSION > Qt-third-party.txt
"""
import json
import os
import sys

# The attributions of parts that are not built for Windows or not built at
# all here (other platforms, D-Bus, network, Vulkan, build-system files).
NOT_SHIPPED = (
    "cmake/",
    "util/",
    "src/3rdparty/VulkanMemoryAllocator/",
    "src/3rdparty/android/",
    "src/3rdparty/forkfd/",
    "src/3rdparty/gradle/",
    "src/3rdparty/libpsl/",
    "src/3rdparty/wasm/",
    "src/3rdparty/xcb/",
    "src/dbus/",
    "src/gui/vulkan/",
    "src/network/",
    "src/plugins/platforms/cocoa/",
)
# Single entries of the same kind inside folders that are shipped.
NOT_SHIPPED_IDS = {"valgrind", "linuxperf", "qeventdispatcher_cf", "xserverhelper"}


def attributions(path):
    with open(path, encoding="utf-8") as stream:
        # Qt's files break long strings over lines, which strict JSON forbids.
        data = json.loads(stream.read(), strict=False)
    return data if isinstance(data, list) else [data]


def read_text(path):
    with open(path, encoding="utf-8", errors="replace") as stream:
        return stream.read().rstrip() + "\n"


def main():
    source, version = sys.argv[1], sys.argv[2]
    found = []
    for top, dirs, names in os.walk(source):
        dirs[:] = sorted(d for d in dirs if d not in ("tests", "examples", "debian", ".pc"))
        if "qt_attribution.json" not in names:
            continue
        relative = os.path.relpath(top, source).replace(os.sep, "/") + "/"
        if relative.startswith(NOT_SHIPPED):
            continue
        for entry in attributions(os.path.join(top, "qt_attribution.json")):
            if entry.get("Id") not in NOT_SHIPPED_IDS:
                found.append((top, entry))
    found.sort(key=lambda item: item[1].get("Name", "").lower())

    out = sys.stdout
    out.write("Third-party code in Qt %s as shipped with Varnick\n" % version)
    out.write("=" * 60 + "\n\n")
    out.write("The Qt libraries contain the following code by others, each under\n")
    out.write("its own licence, as recorded in Qt's source.\n\n")
    for top, entry in found:
        out.write("-" * 60 + "\n")
        out.write("%s%s\n" % (entry.get("Name", entry.get("Id", "?")),
                              " " + entry["Version"] if entry.get("Version") else ""))
        if entry.get("QtUsage"):
            out.write("Used: %s\n" % " ".join(entry["QtUsage"].split()))
        if entry.get("Homepage"):
            out.write("Home page: %s\n" % entry["Homepage"])
        out.write("Licence: %s\n" % entry.get("License", entry.get("LicenseId", "?")))
        if entry.get("Copyright"):
            out.write("\n%s\n" % entry["Copyright"].strip())
        if entry.get("CopyrightFile"):
            path = os.path.join(top, entry["CopyrightFile"])
            if os.path.isfile(path):
                out.write("\n" + read_text(path))
        files = entry.get("LicenseFiles") or ([entry["LicenseFile"]] if entry.get("LicenseFile") else [])
        for name in files:
            path = os.path.join(top, name)
            if os.path.isfile(path):
                out.write("\n" + read_text(path))
        out.write("\n")
    return 0


if __name__ == "__main__":
    sys.exit(main())
