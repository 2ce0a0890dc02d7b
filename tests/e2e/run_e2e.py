#!/usr/bin/env python3
"""End-to-end tests of class_runner and source_compiler.

Each case builds a tree of real files in a fresh directory, runs a launcher
with the recorder (recorder.cpp) as its Java tool, and checks the command
line the recorder was started with, the directory it ran in, the launcher's
standard output byte for byte and its exit status.

--platform wine runs the .exe programs under Wine (WINEPREFIX and WINEDEBUG
come from the environment); there the recorder sees the raw command line,
which Wine's cmd hands on as the launcher built it. --platform native runs
the host programs; /bin/sh splits the line there, so the recorder's argv is
compared with what /bin/sh makes of the expected line, and the tool path is
given with "/" (sh would eat its backslashes). Under Wine the launcher's
text-mode stdout ends lines with CR LF. Wine's cmd drops a command line
longer than 8,191 characters (and crashes on one of some 16,000), so long
cases stay below that.

Paths in the tables are Windows paths with these placeholders:
  {R}  the case's directory (Z:\\tmp\\e... under Wine, \\tmp\\e... natively)
  {R2} the first two bytes of {R}, its drive
  {U}  {R} below its "drive" (first two bytes and a backslash), with "/"
  {Y}  a spare drive letter mapped to the case's subdirectory "drive" (Wine)
"""
import argparse
import collections
import fcntl
import os
import pwd
import random
import re
import shutil
import signal
import string
import subprocess
import sys
import time

PAUSE = "\nPress any key to exit . . .\n"
# The status line's time, and the statuses a row may expect instead of a number.
SECONDS = "{seconds}"
ANY = "{any status}"
# That the tool could not be run, why, and the launcher's status then. A
# reason's {count} stands for the length of the interpreter's line.
NotRun = collections.namedtuple("NotRun", "reason status", defaults=[1])
# cmd's status for a command it cannot find; /bin/sh's natively.
NOT_FOUND = {"wine": 9009, "native": 127}
USAGE = {
    "class_runner": "Usage:\n    %s <full path of java.exe> <options> <class files>\n",
    "source_compiler": "Usage:\n    %s <full path of javac.exe> <options> <source files>\n",
}
TIMEOUT = 60
# The Wine loader of the build under test (LAUNCHER_WINE), in a UTF-8 locale:
# Wine converts arguments with the locale's character set.
WINE = ["env", "LC_ALL=C.UTF-8", os.environ.get("LAUNCHER_WINE", "wine")]
BIG = 64 << 20


# ---------------------------------------------------------------- file makers

def binary_bytes(path):
    with open(path, "wb") as f:
        f.write(bytes(range(256)))


def big_text(head, body_line):
    """A 64 MiB text: head, then body_line over and over; no ";" anywhere."""
    def make(path):
        block = body_line * ((1 << 20) // len(body_line))
        with open(path, "wb") as f:
            f.write(head)
            while f.tell() < BIG:
                f.write(block)
    return make


BIG_CLASS = big_text(b"class Big {\n", b"    int value = 1 + 2 + 3 + 4 + 5 + 6 + 7 + 8 + 9 + 10 + 11\n")
# "package " and a million dots on a thousand lines, then dot-free filler.
MILLION_DOTS = big_text(b"package " + (b"." * 1000 + b"\n") * 1000,
                        b"    and more words without a statement end in them\n")
# One line of 100,000 bytes: read in pieces of 4,095, the blank ones skipped.
LONG_LINE = b"package com" + b" " * (100000 - len(b"package com.acme;")) + b".acme;"

DIR = "directory"
# A copy of the recorder, as a program that must not be run in its place.
RECORDER = "recorder"


def class_file(name):
    """A minimal class file of its own that defines the class name ("com/acme/Foo")."""
    def utf8(text):
        return b"\x01" + len(text).to_bytes(2, "big") + text
    pool = utf8(name.encode()) + b"\x07\x00\x01" + utf8(b"java/lang/Object") + b"\x07\x00\x03"
    return (b"\xca\xfe\xba\xbe\x00\x00\x00\x3d\x00\x05" + pool
            + b"\x00\x21\x00\x02\x00\x04" + b"\x00\x00" * 4)


# Translations that depend on whether the launcher can read a locked file
# (root can: see locked_file_user).
ByAccess = collections.namedtuple("ByAccess", "readable locked")

# Sources that many cases share.
ACME_FOO = {"src/com/acme/Foo.java": b"package com.acme;\n\npublic class Foo {}\n"}
APP_MAIN = {"src/app/Main.java": b"package app;\n\nclass Main {}\n"}
COMMENTED = b"/*\r\n * header\r\n */\r\n// note\r\n\r\n  package com.acme;  // x\r\nclass Foo {}\r\n"
HEADER = {"src/com/acme/Foo.java": b"/* Copyright 2026 ACME */\n\tpackage\tcom.acme;\n"}


# ---------------------------------------------------------------------- cases

def case(name, launcher, args, expect, cwd="{R}\\here", files=None, start="here",
         only=None, tool="bin", locked=(), stderr_has=None, argv0=None, cmd_output=False,
         exit_with=None, ends=None, comspec=None, tool_named=None, short=None, note=None,
         sleep=None, says=None, env=None, job=None):
    """One row: args (None: the launcher's name alone) and the translations
    the tool must get (None: the tool must not run), and the tool's current
    directory. expect, cwd, stderr_has, ends and note may be dicts by platform.
    cmd_output: under Wine the command interpreter may print before the
    launcher's own output. exit_with: the status the recorder exits with;
    ends: the status the launcher must report, when not that one (ANY: any
    status; a NotRun: the tool could not be run). comspec: under Wine, the
    launcher runs with COMSPEC and PATH set to this pair ({T}: the tool).
    tool_named: the tool's path as the launcher is given it under Wine (".exe"
    dropped natively): relative to start, or a bare name found on PATH, or
    in WINEPATH's jdk folder. env: more environment ({R} filled). short: the
    file whose short form {SHORT} stands for (Wine). note: the note before
    the tool runs, after "note: ". sleep: the milliseconds the recorder
    sleeps, which the time shown must cover. says: a line the tool prints;
    the launcher's output then goes into a pipe (natively). job (Wine):
    "killed", the launcher is ended from outside once the tool runs, and the
    tool's mark (RECORDER_MARK) must never come; "outlived", a program the
    tool leaves running must leave its mark after the launcher's end."""
    return dict(name=launcher + "." + name, launcher=launcher, args=args,
                expect=expect, cwd=cwd, files=dict(files or {}), start=start,
                only=only, tool=tool, locked=locked,
                stderr_has=stderr_has, argv0=argv0, cmd_output=cmd_output,
                exit_with=exit_with, ends=ends, comspec=comspec,
                tool_named=tool_named, short=short, note=note, sleep=sleep, says=says, env=env or {}, job=job)


SC, CR = "source_compiler", "class_runner"

SOURCE_CASES = [
    case("worked_example", SC,
         ["-g", r"{R}\src\com\acme\Foo.java", "-verbose", r"{R}\src\com\acme\Bar.java"],
         ["-g", "com/acme/Foo.java", "-verbose", r"{R}\src\com\acme\Bar.java"], r"{R}\src",
         files={**ACME_FOO, "src/com/acme/Bar.java": b"package com.acme;\n"}),
    case("one_level", SC, [r"{R}\src\app\Main.java"], ["app/Main.java"], r"{R}\src",
         files=APP_MAIN),
    case("three_levels", SC, [r"{R}\proj\x\y\z\A.java"], ["x/y/z/A.java"], r"{R}\proj",
         files={"proj/x/y/z/A.java": b"package x.y.z;\n"}),
    case("no_package", SC, [r"{R}\src\Hello.java"], ["Hello.java"], r"{R}\src",
         files={"src/Hello.java": b"import java.io.*;\n\nclass Hello {}\n"}),
    case("comments", SC, [r"{R}\src\com\acme\Foo.java"], ["com/acme/Foo.java"], r"{R}\src",
         files={"src/com/acme/Foo.java": COMMENTED.replace(b"\r\n", b"\n")}),
    # Text mode turns CR LF into LF on Windows only.
    case("crlf", SC, [r"{R}\src\com\acme\Foo.java"], ["com/acme/Foo.java"], r"{R}\src",
         only="wine", files={"src/com/acme/Foo.java": COMMENTED}),
    case("missing_then_found", SC, [r"{R}\src\Missing.java", r"{R}\src\com\acme\Foo.java"],
         [r"{R}\src\Missing.java", "com/acme/Foo.java"], r"{R}\src", files=ACME_FOO),
    case("empty_and_dash", SC, ["", "-", r"{R}\src\app\Main.java", "-"],
         ["", "-", "app/Main.java", "-"], r"{R}\src", files=APP_MAIN),
    case("options_only", SC, ["-g", "-verbose"], ["-g", "-verbose"]),
    # Only a .java file is a source; an option is none, even one named so.
    case("only_java_files", SC,
         ["-classpath", r"{R}\lib\util.jar", "-Foo.java", r"{R}\out", "@{R}\args",
          r"{R}\src\com\acme\Foo.JAVA", "-d", r"{R}\out"],
         ["-classpath", r"{R}\lib\util.jar", "-Foo.java", r"{R}\out", "@{R}\args",
          "com/acme/Foo.JAVA", "-d", r"{R}\out"], r"{R}\src",
         files={"src/com/acme/Foo.JAVA": b"package com.acme;\n", "here/-Foo.java": b"package a.b;\n",
                "lib/util.jar": b"package a.b;\n", "out": DIR, "args": b"package a.b;\n"}),
    # Letters outside any ANSI code page, in folders, the tool's path and an option.
    case("unicode_tree", SC, ["-Dname=Ωμέγα 文件", r"{R}\Ωμέγα\文件\com\acme\Foo.java"],
         ["-Dname=Ωμέγα 文件", "com/acme/Foo.java"], r"{R}\Ωμέγα\文件", tool="unicode",
         files={"Ωμέγα/文件/com/acme/Foo.java": b"package com.acme;\n"}),
    case("header_comment_and_tabs", SC, [r"{R}\src\com\acme\Foo.java"], ["com/acme/Foo.java"],
         r"{R}\src", files=HEADER),
    case("bare_name_no_package", SC, ["Hello.java"], ["Hello.java"], r"{R}\src", start="src",
         files={"src/Hello.java": b"class Hello {}\n"}),
    case("bare_name_with_package", SC, ["Foo.java"], ["com/acme/Foo.java"], r"{R}\src",
         start="src/com/acme", files=ACME_FOO),
    case("deeper_than_path", SC, [r"{Y}\acme\Foo.java"], ["acme/Foo.java"], "{Y}\\",
         only="wine", files={"drive/acme/Foo.java": b"package com.acme;\n"},
         note=r"package com.acme needs Foo.java in a folder com\acme\; it is in {Y}\acme" + "\\"),
    case("drive_root_package", SC, [r"{Y}\com\acme\Foo.java"], ["com/acme/Foo.java"], "{Y}\\",
         only="wine", files={"drive/com/acme/Foo.java": b"package com.acme;\n"}),
    case("drive_root_no_package", SC, [r"{Y}\Foo.java"], ["Foo.java"], "{Y}\\",
         only="wine", files={"drive/Foo.java": b"class Foo {}\n"}),
    # An annotated package, whose annotation's argument holds ";" and "//".
    case("annotated_package_info", SC, [r"{R}\src\com\acme\package-info.java"],
         ["com/acme/package-info.java"], r"{R}\src",
         files={"src/com/acme/package-info.java":
                b"/** The tools. */\n@Deprecated\n@Note(\"a; b // c\")\npackage com.acme;\n"}),
    # Folders that do not spell the package: a note, and the tool runs all the same.
    case("misplaced", SC, [r"{R}\work\Desktop\Foo.java"], ["Desktop/Foo.java"], r"{R}\work",
         files={"work/Desktop/Foo.java": b"package hello;\n"}, says="Foo.java compiled",
         note=r"package hello needs Foo.java in a folder hello\; it is in {R}\work\Desktop" + "\\"),
    # In a file the note comes in the system's code page, as java writes (Wine).
    case("misplaced_in_code_page", SC, [r"{R}\José\Désk\Foo.java"], ["Désk/Foo.java"], r"{R}\José",
         only="wine", files={"José/Désk/Foo.java": b"package hello;\n"},
         note=r"package hello needs Foo.java in a folder hello\; it is in {R}\José\Désk" + "\\"),
    case("folders_in_other_case", SC, [r"{R}\src\com\Acme\Foo.java"], ["com/Acme/Foo.java"], r"{R}\src",
         files={"src/com/Acme/Foo.java": b"package com.acme;\n"}),
    # Lines that end in a carriage return alone, which text mode leaves be.
    case("cr_only_lines", SC, [r"{R}\src\com\acme\Foo.java"], ["com/acme/Foo.java"], r"{R}\src",
         files={"src/com/acme/Foo.java": b"// x.y.z\r/* a.b\r */\rpackage com.acme;\rclass Foo {}\r"}),
]

CLASS_CASES = [
    case("worked_example", CR,
         ["-verbose", r"{R}\src\com\acme\Foo.class", "hello", r"{R}\src\app\Main.class"],
         ["-verbose", "com/acme/Foo", "hello", r"{R}\src\app\Main.class"], r"{R}\src",
         files={**ACME_FOO, **APP_MAIN}),
    case("three_levels", CR, [r"{R}\a\b\c\d\Foo.class"], ["b/c/d/Foo"], r"{R}\a",
         files={"a/b/c/d/Foo.java": b"package b.c.d;\n"}),
    case("no_package", CR, [r"{R}\src\com\acme\Foo.class"], ["Foo"], r"{R}\src\com\acme",
         files={"src/com/acme/Foo.java": b"import java.util.List;\n"}),
    case("missing_then_found", CR,
         [r"{R}\other\Gone.class", r"{R}\src\com\acme\Foo.class", r"{R}\src\com\acme\Foo.class"],
         ["Gone", "com/acme/Foo", r"{R}\src\com\acme\Foo.class"], r"{R}\src",
         files={**ACME_FOO, "other/Gone.class": b"\xca\xfe\xba\xbe"}),
    # Without a source each class file enters its own directory; the last stays.
    case("missing_sources", CR, [r"{R}\other\Gone.class", r"{R}\src\Foo$Inner.class"],
         ["Gone", "Foo$Inner"], r"{R}\src", files={"other": DIR, "src/Foo.java": b"class Foo {}\n"}),
    case("empty_and_dash", CR, ["", "-", r"{R}\src\app\Main.class", "-"],
         ["", "-", "app/Main", "-"], r"{R}\src", files=APP_MAIN),
    case("options_only", CR, ["-verbose", "-ea"], ["-verbose", "-ea"]),
    # Only a .class file is a class; nothing else is opened or entered.
    case("only_class_files", CR, [r"{R}\src\com\acme\Foo.java", "-cp", r"{R}\lib.jar", "-Foo.class"],
         [r"{R}\src\com\acme\Foo.java", "-cp", r"{R}\lib.jar", "-Foo.class"],
         files={**ACME_FOO, "lib.jar": b"package a.b;\n", "here/-Foo.class": class_file("a/b/Foo")}),
    case("program_arguments", CR, ["-ea", r"{R}\src\com\acme\Foo.CLASS", "a b", "-x", r"{R}\y.class"],
         ["-ea", "com/acme/Foo", "a b", "-x", r"{R}\y.class"], r"{R}\src",
         files={**HEADER, "y.java": b"package a.b;\n"}),
    case("unicode_tree", CR, [r"{R}\Ωμέγα\文件\com\acme\Foo.class", "Ωμέγα"],
         ["com/acme/Foo", "Ωμέγα"], r"{R}\Ωμέγα\文件", tool="unicode",
         files={"Ωμέγα/文件/com/acme/Foo.java": b"package com.acme;\n"}),
    case("unicode_class_file_apart", CR, [r"{R}\Ωμέγα\文件\com\acme\Foo.class"],
         ["com/acme/Foo"], r"{R}\Ωμέγα\文件", tool="unicode",
         files={"Ωμέγα/文件/com/acme/Foo.class": class_file("com/acme/Foo")}),
    # Without a source beside it, the class file names its own package.
    case("class_file_apart", CR, [r"{R}\classes\com\acme\Foo.class", "x"], ["com/acme/Foo", "x"],
         r"{R}\classes", files={"classes/com/acme/Foo.class": class_file("com/acme/Foo")}),
    case("class_file_misplaced", CR, [r"{R}\classes\a\Foo.class"], ["classes/a/Foo"], r"{R}",
         files={"classes/a/Foo.class": class_file("com/acme/Foo")},
         note=r"package com.acme needs Foo.class in a folder com\acme\; it is in {R}\classes\a" + "\\"),
    case("class_file_no_package", CR, [r"{R}\classes\Foo.class"], ["Foo"], r"{R}\classes",
         files={"classes/Foo.class": class_file("Foo")}),
    case("class_file_broken", CR, [r"{R}\classes\Cut.class", r"{R}\lib\a\Foo.class"],
         ["Cut", "a/Foo"], r"{R}\lib",
         files={"classes/Cut.class": class_file("com/acme/Cut")[:20], "lib/a/Foo.class": class_file("a/Foo")}),
    case("bare_name_no_package", CR, ["Hello.class"], ["Hello"], r"{R}\src", start="src",
         files={"src/Hello.java": b"class Hello {}\n"}),
    case("bare_name_missing_source", CR, ["Gone.class"], ["Gone"], r"{R}\src", start="src",
         files={"src": DIR}),
    case("bare_name_with_package", CR, ["Foo.class"], ["com/acme/Foo"], r"{R}\src",
         start="src/com/acme", files=ACME_FOO),
    case("deeper_than_path", CR, [r"{Y}\Foo.class"], ["Foo"], "{Y}\\",
         only="wine", files={"drive/Foo.java": b"package a.b;\n"},
         note=r"package a.b needs Foo.class in a folder a\b\; it is in {Y}" + "\\"),
    case("drive_root_no_package", CR, [r"{Y}\Bar.class"], ["Bar"], "{Y}\\",
         only="wine", files={"drive/Bar.java": b"class Bar {}\n"}),
    case("drive_root_missing_source", CR, [r"{Y}\Gone.class"], ["Gone"], "{Y}\\",
         only="wine", files={"drive/Gone.class": b"\xca\xfe\xba\xbe"}),
    # A folder that the system refuses to enter (a plain file): its reason,
    # and the class file goes as given.
    case("folder_not_entered", CR, [r"{R}\x.txt\Gone.class", "-x"], [r"{R}\x.txt\Gone.class", "-x"],
         files={"x.txt": b"plain\n"}, note={platform: r"cannot enter {R}\x.txt\: %s; {R}\x.txt\Gone.class goes "
                                            "to the tool as given" % why for platform, why in
                                            (("wine", "Directory name invalid"), ("native", "Not a directory"))}),
]


def driver_cases(launcher, file_arg, translated):
    """What the driver does alike in both launchers."""
    return [
        case("usage", launcher, None, None),
        case("usage_bare_name", launcher, None, None, only="native", argv0=launcher),
        case("tool_alone", launcher, [], []),
        # The tool's status is reported, and is the launcher's own; natively
        # only its low byte survives.
        case("tool_status_1", launcher, ["-x"], ["-x"], exit_with="1"),
        case("tool_status_7", launcher, [], [], exit_with="7"),
        case("tool_status_300", launcher, [], [], exit_with="300"),
        case("tool_stopped", launcher, [], [], exit_with="0xC000013A"),
        case("tool_status_minus_1", launcher, [], [], exit_with="0xFFFFFFFF"),
        # The time shown is the tool's own: one that sleeps a second shows at least 1.00.
        case("tool_takes_a_second", launcher, ["-x"], ["-x"], exit_with="3", sleep=1000),
        # COMSPEC names no file: the system's cmd.exe runs, not one planted in
        # the start folder or in the package root.
        case("comspec_names_nothing", launcher, ["-g", file_arg], ["-g", translated], r"{R}\src", only="wine",
             comspec=(r"Z:\none\cmd.exe", ""),
             files={**ACME_FOO, **APP_MAIN, "here/cmd.exe": RECORDER, "src/cmd.exe": RECORDER}),
        case("comspec_folder", launcher, ["-g"], ["-g"], only="wine", comspec=(r"C:\windows", "")),
        # An editor that stops a build by ending the launcher ends the tool
        # too; what the tool left running on purpose outlives a normal end.
        case("ended_from_outside", launcher, ["-g"], ["-g"], only="wine", job="killed",
             env={"RECORDER_SLEEP": "2000"}),
        case("tool_leaves_a_program", launcher, ["-g"], ["-g"], only="wine", job="outlived",
             env={"RECORDER_SLEEP": "1500", "RECORDER_DETACH": "1"}),
        case("cmd_on_path", launcher, [], [], only="wine", exit_with="0xFFFFFFFF",
             comspec=(r"Z:\none\cmd.exe", r"C:\windows\system32")),
        # The recorder, as COMSPEC's cmd.exe, shows the interpreter's own line.
        case("interpreter_line", launcher, ["-g", file_arg], ["-g", translated], r"{R}\src",
             only="wine", tool="interpreter", comspec=("{T}", ""), files={**ACME_FOO, **APP_MAIN}),
        # Wine's short name of "my tools" heads the line.
        case("tool_with_blank", launcher, ["-g", file_arg], ["-g", translated], r"{R}\src",
             only="wine", tool="blank", files={**ACME_FOO, **APP_MAIN}),
    ]


def tool_path_cases(launcher, file_arg, translated):
    """A tool named relative to where the launcher starts, or bare on PATH,
    is found although the package root is entered before it runs."""
    names = [("up", r"..\jdk\recorder.exe", "here"), ("below", r"jdk\recorder.exe", "."),
             ("dot_first", r".\jdk\recorder.exe", "."), ("slash", "jdk/recorder.exe", "."),
             ("dot_inside", r"jdk\.\recorder.exe", "."), ("bare_on_path", "recorder.exe", "here"),
             ("drive_relative", "Z:recorder.exe", "jdk")]
    # A program of the tool's name in the package root must not be the one run.
    planted = {"src/recorder.exe": b"", "src/recorder": b"", "src/javac.bat": b'@echo ran> "%RECORDER_OUT%"\r\n'}
    files = {**ACME_FOO, **APP_MAIN, **planted}
    return [case("tool_path." + name, launcher, ["-g", file_arg], ["-g", translated], r"{R}\src",
                 start=start, tool="jdk", tool_named=named, files=files,
                 only="wine" if ":" in named else None)
            for name, named, start in names] + [
        # Under Wine: a bare name found nowhere runs nothing, JAVA_HOME last;
        # a file without an extension never runs, whatever PATHEXT holds.
        case("tool_path.nowhere", launcher, ["-g", file_arg], None, only="wine", tool="missing",
             tool_named="javac", files=files, ends=NotRun(r"not found in {R}\here\ or on PATH", 9009)),
        case("tool_path.java_home", launcher, ["-g", file_arg], ["-g", translated], r"{R}\src", only="wine",
             tool="java_home", tool_named="javac", files=files, env={"JAVA_HOME": r"{R}\jdkhome"},
             note=r"javac is not on PATH; running {R}\jdkhome\bin\javac.exe from JAVA_HOME"),
        case("tool_path.pathext_empty_entry", launcher, ["-g", file_arg], ["-g", translated], r"{R}\src",
             only="wine", tool="jdk", tool_named="recorder", files={**files, "early/recorder": b""},
             env={"WINEPATH": r"{R}\early;{R}\jdk", "PATHEXT": ".COM;.EXE;.BAT;.CMD;"}),
    ]


SOURCE_FILE, CLASS_FILE = r"{R}\src\com\acme\Foo.java", r"{R}\src\com\acme\Foo.class"
DRIVER_CASES = (driver_cases(SC, SOURCE_FILE, "com/acme/Foo.java")
                + driver_cases(CR, CLASS_FILE, "com/acme/Foo")
                + tool_path_cases(SC, SOURCE_FILE, "com/acme/Foo.java")
                + tool_path_cases(CR, CLASS_FILE, "com/acme/Foo"))

def hostile_cases(launcher, source, taken, skipped):
    """source(path) is the argument naming the source at path ("x/Y.java"),
    which is also its translation once a file has been taken; taken(path) its
    translation when it is that file, skipped(path) when it cannot be opened."""
    slashed = source(LONG_ROOT + "/com/acme/Foo.java").replace("{R}\\", "{R/}/").replace("\\", "/")

    def around_file(before, after):
        """Arguments around the source, and their translations."""
        return (before + [source("src/com/acme/Foo.java")] + after,
                before + [taken("com/acme/Foo.java")] + after)

    cases = [
        case("directory", launcher, [source("src/com/Dir.java"), source("src/app/Main.java")],
             [skipped("src/com/Dir.java"), taken("app/Main.java")],
             r"{R}\src", files={**APP_MAIN, "src/com/Dir.java": DIR, "src/com/Dir.class": DIR}),
        # A device that never ends is no source file.
        case("endless_device", launcher, [source("data/Zero.java"), source("src/app/Main.java")],
             [skipped("data/Zero.java"), taken("app/Main.java")],
             r"{R}\src", files={**APP_MAIN, "data/Zero.java": lambda path: os.symlink("/dev/zero", path)}),
        case("binary", launcher, [source("data/Blob.java"), source("src/app/Main.java")],
             [taken("Blob.java"), source("src/app/Main.java")], r"{R}\data",
             files={**APP_MAIN, "data/Blob.java": binary_bytes}),
        case("big_no_semicolon", launcher, [source("data/Big.java")], [taken("Big.java")],
             r"{R}\data", files={"data/Big.java": BIG_CLASS}),
        # The climb stops at the drive; natively the "drive" \t does not exist,
        # so the file goes as given.
        case("big_million_dots", launcher, [source("data/Dots.java")],
             {"wine": [taken("{U}/data/Dots.java")], "native": [source("data/Dots.java")]},
             {"wine": "{R2}\\", "native": r"{R}\here"}, files={"data/Dots.java": MILLION_DOTS},
             note={"native": r"cannot enter \t\: No such file or directory; %s goes to the tool as given"
                   % source("data/Dots.java")}),
        case("long_line", launcher, [source("src/com/acme/Foo.java")],
             [taken("com/acme/Foo.java")], r"{R}\src",
             files={"src/com/acme/Foo.java": LONG_LINE}),
        # Root reads any file; then the locked one is taken.
        case("unreadable", launcher, [source("src/com/acme/Locked.java"), source("src/app/Main.java")],
             ByAccess(readable=[taken("com/acme/Locked.java"), source("src/app/Main.java")],
                      locked=[skipped("src/com/acme/Locked.java"), taken("app/Main.java")]),
             r"{R}\src", locked=["src/com/acme/Locked.java"],
             files={**APP_MAIN, "src/com/acme/Locked.java": b"package com.acme;\n"}),
        case("long_argument", launcher, [LONG_NAME[launcher], source("src/com/acme/Foo.java")],
             [LONG_NAME[launcher][:LONG_KEPT[launcher]], taken("com/acme/Foo.java")],
             r"{R}\src", files=ACME_FOO),
        # Within cmd's 8,191 characters: 300 options and 1,400 arguments, 5 and 4 each.
        case("many_arguments", launcher,
             ["-o"] * 300 + [source("src/com/acme/Foo.java")] + ["x"] * 1400,
             ["-o"] * 300 + [taken("com/acme/Foo.java")] + ["x"] * 1400, r"{R}\src", files=ACME_FOO),
        # Natively the long path works. Under Wine the line begins with its
        # short form, which Wine's cmd still refuses or crashes on, printing
        # its crash report.
        case("long_tool_path", launcher, ["-g"], {"native": ["-g"], "wine": None}, tool="long",
             cmd_output=True, ends={"native": 0, "wine": ANY}),
        # A line break would end cmd's line, the rest lost unsaid; a line
        # longer than cmd takes would be refused with status 1.
        case("line_feed", launcher, ["-a", "-x\ny", source("src/com/acme/Foo.java")], None, files=ACME_FOO,
             ends=NotRun("argument 3 holds a line break, which cmd cannot pass")),
        case("carriage_return", launcher, [source("src/com/acme/Foo.java"), "x", "a\rb"], None, files=ACME_FOO,
             ends=NotRun("argument 4 holds a line break, which cmd cannot pass")),
        case("too_long_for_cmd", launcher, ["-" + "x" * 9000], None, ends=NotRun(
            "the command line is {count} characters long, and cmd takes at most 8191; put the options in an @argfile")),
        # A root too long to be entered (Wine: the path cannot be made full),
        # the file named with "/": the note names that root, and the tool
        # gets the file as it was given.
        case("unenterable_with_slashes", launcher, [slashed], [slashed], files={LONG_ROOT + "/com/acme/Foo.java":
             b"package com.acme;\n", LONG_ROOT + "/com/acme/Foo.class": class_file("com/acme/Foo")},
             note={platform: "cannot enter {R}\\%s\\: %s; %s goes to the tool as given"
                   % (LONG_ROOT.replace("/", "\\"), why, slashed) for platform, why in
                   (("wine", "File name is too long"), ("native", "a program's current folder has at most 258 characters"))}),
        case("missing_tool", launcher, ["-g", source("src/com/acme/Foo.java")], None, r"{R}\src",
             tool="missing", files=ACME_FOO, ends=NOT_FOUND,
             stderr_has={"wine": 'nothere.exe "-g" "%s"' % taken("com/acme/Foo.java")}),
        # Without a short path the quoted tool path heads the line, and the
        # whole line is quoted once more for cmd /c to strip.
        case("missing_tool_with_blank", launcher, ["-g"], None, tool="missing_blank", only="wine",
             ends=NOT_FOUND, stderr_has={"wine": '"{R}\\my tools\\nothere.exe" "-g"\''}),
        # Every argument reaches the tool byte for byte: cmd's metacharacters,
        # quotes and backslashes before a quote or the end.
        case("special_characters", launcher, *around_file(
             ['-a"b"c', '-say "hi"', "-100%", "-%NOPE_E2E%", "-x&y", "-x^y", "-tr\\\\"], ["&", "^"]),
             r"{R}\src", files=ACME_FOO),
        case("trailing_backslash", launcher, *around_file(
             ["-tr\\", "-d", "{R}\\out\\", "-Dx=a\\\\"], ["{R}\\src\\com\\", "b\\\\"]),
             r"{R}\src", files=ACME_FOO),
        case("embedded_quotes", launcher, *around_file(
             ['-Dmsg="hi"', 'say "hi"', '"'], ['\\"', 'a\\\\"b', '""']), r"{R}\src", files=ACME_FOO),
        # After a quote inside an argument cmd's quotes are out of step with
        # the tool's: unescaped, the "&" would end the tool's command.
        case("injection", launcher, *around_file(
             ['a" & echo INJECTED & "b'], ['-x"&y', 'a" & echo INJECTED & "b']), r"{R}\src", files=ACME_FOO),
        case("carets_and_pipes", launcher, *around_file(
             ['x" ^ | y', 'a"(b)', '"<>"'], ['q"|^', "z", '"()"']), r"{R}\src", files=ACME_FOO),
        # No short form: the quoted path heads the line, wrapped once more.
        case("tool_blank_no_short", launcher, *around_file(['-x"&y'], ['a" | b\\']),
             r"{R}\src", tool="blank_no_short", only="wine", files=ACME_FOO),
        case("tool_ampersand", launcher, *around_file(["-g"], ['a" & b']),
             r"{R}\src", tool="ampersand", only="wine", files=ACME_FOO),
    ]
    return [dict(c, name=c["name"].replace(".", ".hostile.", 1)) for c in cases]


LONG_NAME = {SC: "a" * 7995 + ".java", CR: "a" * 7994 + ".class"}
LONG_ROOT = "d" * 150 + "/" + "e" * 150
LONG_KEPT = {SC: 8000, CR: 7994}


def source_argument(path):
    return "{R}\\" + path.replace("/", "\\")


def class_argument(path):
    return source_argument(path)[:-len("java")] + "class"


def class_translation(path):
    return path[:-len(".java")]


def class_skipped(path):
    return class_translation(os.path.basename(path))


HOSTILE_CASES = (hostile_cases(SC, source_argument, lambda path: path, source_argument)
                 + hostile_cases(CR, class_argument, class_translation, class_skipped))


def path_cases(launcher, extension, folder, files, translated):
    """Every name Windows opens for the file com\\acme\\Foo (with extension)
    below {R}\\folder gives that package root and the name below it; the
    arguments around it reach the tool as they are."""
    names = [
        ("forward_slashes", "{R/}/%s/com/acme/Foo", "here", None),
        ("mixed_slashes", r"{R}\%s/com/acme/Foo", "here", None),
        ("relative_below", r"com\acme\Foo", "%s", None),
        ("relative_up", r"..\acme\Foo", "%s/com/acme", None),
        ("dot_first", r".\Foo", "%s/com/acme", None),
        ("drive_relative", "{D}Foo", "%s/com/acme", "wine"),
        ("dot_inside", r"{R}\%s\com\acme\.\Foo", "here", None),
        ("dot_dot_inside", r"{R}\%s\com\acme\..\acme\Foo", "here", None),
        ("double_backslash", r"{R}\%s\com\acme\\Foo", "here", None),
        # A climb past the drive's root stays there, as ".." above it does.
        ("climb_past_root", "..\\" * 40 + r"{B}\%s\com\acme\Foo", "%s/com/acme", None),
        ("above_drive_root", r"{D}\..\..\{B}\%s\com\acme\Foo", "here", None),
        ("long_path_prefix", r"\\?\{R}\%s\com\acme\Foo", "here", "wine"),
    ]
    around = ["-cp", r".\lib/..\x;C:"], ["a/./b", r"..\c"]
    return [case("paths." + name, launcher, around[0] + [name_of.replace("%s", folder) + extension] + around[1],
                 around[0] + [translated] + around[1], "{R}\\" + folder, files=files,
                 start=start.replace("%s", folder), only=only)
            for name, name_of, start, only in names]


def drive_root_cases(launcher, name, translated):
    """A bare name and a drive-relative one while a drive's root is current
    (Wine): one backslash after the drive, never two."""
    files = {"drive/" + name: b"package a.b;\n", "drive/Foo.java": b"package a.b;\n"}
    note = r"package a.b needs %s in a folder a\b\; it is in {Y}" % name + "\\"
    return [dict(case("paths.drive_root_" + kind, launcher, [arg], [translated], "{Y}\\",
                      start="drive", only="wine", files=files, note=note), drive=True)
            for kind, arg in (("bare_name", name), ("drive_relative", "{Y}" + name))]


def network_cases(launcher, name_of):
    """A package root on a network share (Wine), named plainly or past the
    system's parsing: cmd cannot make it current, so the tool is not run,
    and the user is told why."""
    return [case("paths.network_share" + kind, launcher, [name_of(share + r"\src\com\acme\Foo")], None,
                 only="wine", files=CLASS_BESIDE, ends=NotRun(
                     r"cmd cannot work in the network folder {N}\src; map it to a drive letter and start from there"))
            for kind, share in (("", "{N}"), ("_prefixed", "{UNC}"))]


def unenterable_root_cases(launcher, name_of):
    """A package root too long to be made current (Wine): the file goes to
    the tool as given, from the folder the launcher started in."""
    folder = "d" * 150 + "\\" + "e" * 150
    files = {folder.replace("\\", "/") + "/com/acme/Foo.java": b"package com.acme;\n"}
    arg = name_of("{R}\\" + folder + r"\com\acme\Foo")
    return [case("paths.unenterable_root", launcher, [arg, "-x"], [arg, "-x"], only="wine", files=files,
                 note="cannot enter {R}\\%s\\: File name is too long; %s goes to the tool as given" % (folder, arg))]


def short_name_cases(launcher, extension, translated):
    """A file named by its short form (Wine): the root and the name below it
    come from its long form."""
    name = "MySources/com/acme/LongClassName" + extension
    files = {"MySources/com/acme/LongClassName.java": b"package com.acme;\n",
             "MySources/com/acme/LongClassName.class": class_file("com/acme/LongClassName")}
    return [case("paths.short_name", launcher, ["-g", "{SHORT}"], ["-g", translated], r"{R}\MySources",
                 only="wine", files=files, short=name)]


CLASS_BESIDE = {**ACME_FOO, "src/com/acme/Foo.class": class_file("com/acme/Foo")}
CLASS_APART = {"classes/com/acme/Foo.class": class_file("com/acme/Foo")}
PATH_CASES = (path_cases(SC, ".java", "src", ACME_FOO, "com/acme/Foo.java")
              + path_cases(CR, ".class", "src", CLASS_BESIDE, "com/acme/Foo")
              + [dict(c, name=c["name"].replace(".paths.", ".paths_apart."))
                 for c in path_cases(CR, ".class", "classes", CLASS_APART, "com/acme/Foo")]
              + drive_root_cases(SC, "Foo.java", "Foo.java") + drive_root_cases(CR, "Foo.class", "Foo")
              + network_cases(SC, lambda name: name + ".java")
              + network_cases(CR, lambda name: name + ".class")
              + unenterable_root_cases(SC, lambda name: name + ".java")
              + unenterable_root_cases(CR, lambda name: name + ".class")
              + short_name_cases(SC, ".java", "com/acme/LongClassName.java")
              + short_name_cases(CR, ".class", "com/acme/LongClassName"))

CASES = SOURCE_CASES + CLASS_CASES + DRIVER_CASES + HOSTILE_CASES + PATH_CASES


# ------------------------------------------------------------------ the runs

class Failure(Exception):
    pass


def check(condition, what, expected, actual):
    if not condition:
        raise Failure("%s\n  expected: %s\n  actual:   %s" % (what, shorten(expected), shorten(actual)))


def shorten(value):
    text = repr(value)
    return text if len(text) <= 2000 else text[:1000] + " ... " + text[-1000:]


def make_root():
    """A fresh directory whose name is a legal 8.3 name, so that Wine's short
    form of paths below it is the path itself."""
    base = os.path.realpath("/tmp")
    while True:
        name = "e" + "".join(random.choice(string.ascii_lowercase + string.digits) for _ in range(7))
        try:
            os.mkdir(os.path.join(base, name))
            return os.path.join(base, name)
        except FileExistsError:
            continue


def for_platform(value, platform):
    return value.get(platform) if isinstance(value, dict) else value


def write_files(root, files, recorder):
    for path, content in files.items():
        full = os.path.join(root, path)
        if content == DIR:
            os.makedirs(full, exist_ok=True)
            continue
        os.makedirs(os.path.dirname(full), exist_ok=True)
        if content == RECORDER:
            shutil.copy(recorder, full)
        elif callable(content):
            content(full)
        else:
            with open(full, "wb") as f:
                f.write(content)


# Tool kinds: the folder the recorder lies in, its name, and how the line
# must begin with its path ({T}) or its short form ({S}, which Wine makes up
# for a name that is no 8.3 one, such as "my tools"; none for a path that
# names no file, such as the tool without ".exe", which cmd still finds): a
# path with a blank or a character "cmd /?" lists (the "~" of a short
# name among them) is quoted, and the line then wrapped in one more pair.
TOOLS = {
    "bin": ("bin", "{T}", "recorder"), "missing": ("bin", "{T}", "nothere"),
    "blank": ("my tools", '"{S}"', "recorder"), "missing_blank": ("my tools", '"{T}"', "nothere"),
    "blank_no_short": ("my tools", '"{T}"', "recorder"), "ampersand": ("r&d (x)", '"{S}"', "recorder"),
    "long": (os.path.join(*["d" * 100] * 10), "{T}", "recorder"), "jdk": ("jdk", "{T}", "recorder"),
    "unicode": ("工具", '"{S}"', "recorder"), "interpreter": ("shell", "{T}", "cmd"),
    "java_home": (os.path.join("jdkhome", "bin"), "{T}", "javac"),
}


def place_tool(root, kind, recorder, platform, short_of):
    """The tool path to pass, and the head the command line must begin with;
    short_of(path) gives Wine's short form of a file."""
    exe = ".exe" if platform == "wine" else ""
    folder, head, name = TOOLS[kind]
    os.makedirs(os.path.join(root, folder), exist_ok=True)
    path = os.path.join(root, folder, name + exe)
    if not kind.startswith("missing"):
        shutil.copy(recorder, path)
    tool = windows_path(path) if platform == "wine" else path
    if kind == "blank_no_short":
        tool = tool[:len(tool) - len(exe)]
    if "{S}" in head:
        head = head.replace("{S}", short_of(path) if platform == "wine" else tool)
    return tool, head.replace("{T}", tool)


def c_runtime_quoted(argument):
    """The argument between quotes so that the C runtime's split gives it back:
    each quote escaped, and the backslashes before it or the end doubled."""
    escaped = re.sub(r'(\\*)"', r'\1\1\\"', argument)
    return '"' + re.sub(r'(\\+)$', r'\1\1', escaped) + '"'


def cmd_escaped(line, start):
    """The line with a caret before each byte that cmd acts on outside its
    quotes, from start on."""
    out, quoted = "", False
    for i, c in enumerate(line):
        quoted ^= c == '"'
        out += "^" + c if not quoted and i >= start and c in "^&|<>()" else c
    return out


def windows_path(path):
    return "Z:" + path.replace("/", "\\")


def readable(path):
    try:
        with open(path, "rb"):
            return True
    except OSError:
        return False


def drop_stale(link):
    """Removes a drive link left by a run that was killed, once its case
    directory is gone."""
    try:
        target = os.readlink(link)
    except OSError:
        return
    if target.startswith(os.path.realpath("/tmp") + "/e") and target.endswith("/drive") \
            and not os.path.exists(target):
        try:
            os.unlink(link)
        except FileNotFoundError:
            pass


class Drive:
    """A spare Wine drive letter mapped to a directory while the case runs."""

    def __init__(self, target):
        self.link = None
        devices = os.path.join(os.environ["WINEPREFIX"], "dosdevices")
        for letter in "yxwvutsrqponmlkjihgfed":
            link = os.path.join(devices, letter + ":")
            drop_stale(link)
            try:
                os.symlink(target, link)
            except FileExistsError:
                continue
            self.link, self.letter = link, letter.upper() + ":"
            return
        raise Failure("no spare drive letter in " + devices)

    def release(self):
        if self.link:
            os.unlink(self.link)


class Share:
    """The Wine network share \\\\<case directory's name>\\share, mapped to
    the case directory while the case runs."""

    def __init__(self, target):
        self.server = os.path.basename(target)
        self.folder = os.path.join(os.environ["WINEPREFIX"], "dosdevices", "unc", self.server)
        os.makedirs(self.folder)
        os.symlink(target, os.path.join(self.folder, "share"))
        self.path = "\\\\" + self.server + "\\share"

    def release(self):
        os.unlink(os.path.join(self.folder, "share"))
        os.rmdir(self.folder)


def run(command, cwd, env, out_path, err_path, timeout, executable=None, user=None, pipe=False,
        meanwhile=None):
    """Runs command in a session of its own, no terminal, no stdin; output
    goes into files (Wine's helpers may hold a pipe open), or first through a
    pipe. user, a (uid, gid) pair, runs it as that user; meanwhile(), if
    given, is called once it has started. The exit status, or a Failure when
    it does not end in time."""
    as_user = {} if user is None else dict(user=user[0], group=user[1], extra_groups=[])
    with open(out_path, "wb") as out, open(err_path, "wb") as err:
        process = subprocess.Popen(command, cwd=cwd, env=env, stdin=subprocess.DEVNULL,
                                   stdout=subprocess.PIPE if pipe else out, stderr=err,
                                   start_new_session=True, executable=executable, **as_user)
        if meanwhile:
            meanwhile()
        try:
            out.write(process.communicate(timeout=timeout)[0] or b"")
            return process.returncode
        except subprocess.TimeoutExpired:
            os.killpg(process.pid, signal.SIGKILL)
            process.wait()
            raise Failure("no end within %d s: %s" % (timeout, shorten(command)))


def read(path):
    with open(path, "rb") as f:
        return f.read()


Record = collections.namedtuple("Record", "directory line argv")


def read_record(path, platform):
    """What the recorder wrote: its current directory, its raw command line
    (Windows only) and its arguments as bytes, each followed by a NUL; or None."""
    if not os.path.exists(path):
        return None
    directory, _, rest = read(path).partition(b"\n")
    line = None
    if platform == "wine":
        line, _, rest = rest.partition(b"\n")
    return Record(directory.decode("utf-8", "surrogateescape"), line, rest)


def sh_argv(line, recorder_env, root):
    """The argv that /bin/sh gives the recorder for line."""
    path = os.path.join(root, "reference.rec")
    env = dict(recorder_env, RECORDER_OUT=path)
    run(["/bin/sh", "-c", line], root, env, os.path.join(root, "reference.out"),
        os.path.join(root, "reference.err"), TIMEOUT)
    record = read_record(path, "native")
    if record is None:
        raise Failure("unsuitable case: /bin/sh does not run the expected line " + shorten(line))
    return record.argv


def locked_file_user(platform):
    """(uid, gid) of the user to run a case with locked files as, or None for
    this user; and a note when the locked branch cannot be taken. Root reads
    any file, so as root the case runs as nobody; but Wine refuses a prefix
    that another user owns, so under Wine root takes the readable branch."""
    if os.geteuid() != 0:
        return None, None
    if platform == "wine":
        return None, "readable branch taken: run as root, and Wine refuses another user's prefix"
    try:
        nobody = pwd.getpwnam("nobody")
    except KeyError:
        return None, "readable branch taken: run as root, and there is no user nobody"
    return (nobody.pw_uid, nobody.pw_gid), None


class Run:
    """One case being run on one platform, in its own directory."""

    def __init__(self, row, options):
        self.row, self.options, self.platform = row, options, options.platform
        self.root = make_root()
        self.drive = self.share = self.short = None
        self.user, self.note = locked_file_user(self.platform) if row["locked"] else (None, None)

    def placeholders(self):
        root = windows_path(self.root) if self.platform == "wine" else self.root.replace("/", "\\")
        values = {"{R}": root, "{R2}": root[:2], "{U}": root[3:].replace("\\", "/")}
        # Natively {R} has no drive: its root is the one backslash.
        drive = root[:2] if self.platform == "wine" else ""
        values.update({"{R/}": root.replace("\\", "/"), "{D}": drive, "{B}": root[len(drive) + 1:]})
        if self.drive:
            values["{Y}"] = self.drive.letter
        if self.share:
            values["{N}"] = self.share.path
            values["{UNC}"] = "\\\\?\\UNC" + self.share.path[1:]
        values["{T}"] = getattr(self, "tool", "")
        if self.short:
            values["{SHORT}"] = self.short
        return values

    def fill(self, text):
        for key, value in self.placeholders().items():
            text = text.replace(key, value)
        return text

    def prepare(self):
        row = self.row
        write_files(self.root, row["files"], self.options.recorder)
        os.makedirs(os.path.join(self.root, row["start"]), exist_ok=True)
        for path in row["locked"]:
            os.chmod(os.path.join(self.root, path), 0)
        if self.user:
            # The tool writes its record here.
            os.chown(self.root, *self.user)
        if self.platform == "wine" and (row.get("drive") or any("{Y}" in arg for arg in row["args"] or [])):
            self.drive = Drive(os.path.join(self.root, "drive"))
        if self.platform == "wine" and any(re.search("{N}|{UNC}", arg) for arg in row["args"] or []):
            self.share = Share(self.root)
        self.tool, self.head = place_tool(self.root, row["tool"], self.options.recorder,
                                          self.platform, self.short_form)
        if row["tool_named"]:
            self.tool = row["tool_named"]
            if self.platform == "native":
                self.tool = re.sub(r"\.exe$", "", self.tool)
        if row["short"]:
            self.short = self.short_form(row["short"])

    def short_form(self, path):
        """Wine's short form of the case's file at path, as the recorder asks for it."""
        out = os.path.join(self.root, "short.out")
        run(WINE + [self.options.recorder, "--short-path", windows_path(os.path.join(self.root, path))],
            self.root, dict(os.environ), out, os.devnull, TIMEOUT)
        short = read(out).decode("utf-8")
        if "~" not in short:
            raise Failure("Wine made no short form of %s: %r" % (path, short))
        return short

    def expected_translations(self):
        expect = for_platform(self.row["expect"], self.platform)
        if isinstance(expect, ByAccess):
            locked = [os.path.join(self.root, p) for p in self.row["locked"]]
            readable_to_launcher = self.user is None and all(map(readable, locked))
            expect = expect.readable if readable_to_launcher else expect.locked
        return None if expect is None else [self.fill(t) for t in expect]

    def launch(self):
        row = self.row
        program = getattr(self.options, row["launcher"])
        args = None if row["args"] is None else [self.fill(a) for a in row["args"]]
        line_args = [] if args is None else [self.tool] + args
        record = os.path.join(self.root, "tool.rec")
        env = dict(os.environ)
        # JAVA_HOME is the last place a bare name is looked for: only a row's own.
        env.pop("JAVA_HOME", None)
        env["RECORDER_OUT"] = windows_path(record) if self.platform == "wine" else record
        if row["exit_with"]:
            env["RECORDER_STATUS"] = row["exit_with"]
        if row["tool_named"] and not re.search(r"[\\/:]", row["tool_named"]):
            # A bare name: cmd finds it on Wine's PATH, which WINEPATH adds to.
            jdk = os.path.join(self.root, "jdk")
            if self.platform == "wine":
                env["WINEPATH"] = windows_path(jdk)
            else:
                env["PATH"] = jdk + os.pathsep + env["PATH"]
        if row["sleep"]:
            env["RECORDER_SLEEP"] = str(row["sleep"])
        env.update({name: self.fill(value) for name, value in row["env"].items()})
        if row["job"]:
            env["RECORDER_MARK"] = windows_path(self.mark)
        if row["job"] == "killed":
            # A name of its own, which taskkill ends and nothing else.
            program = shutil.copy(program, os.path.join(self.root, "killed_%s.exe" % os.path.basename(self.root)))
        self.env = env
        if self.user:
            # The user may not reach the build: the launcher runs from the case's directory.
            program = shutil.copy(program, self.root)
            os.chmod(self.root, 0o755)
        if row["says"]:
            env["RECORDER_SAY"] = row["says"]
        # Wine takes COMSPEC, PATH and PATHEXT from its registry, not from
        # the environment: cmd sets them.
        settings = dict(zip(("COMSPEC", "PATH"), row["comspec"] or ()))
        if self.platform == "wine" and "PATHEXT" in env:
            settings["PATHEXT"] = env["PATHEXT"]
        if settings:
            line = "".join("set %s=%s&& " % (name, self.fill(value)) for name, value in settings.items())
            line += " ".join([windows_path(program)] + line_args)
            # Wine's own cmd, by its full path: the start folder may hold another.
            command, executable = WINE + [r"C:\windows\system32\cmd.exe", "/c", line], None
        elif self.platform == "wine":
            command, executable = WINE + [program] + line_args, None
        else:
            argv0 = row["argv0"] or "C:\\jdk\\launchers\\" + os.path.basename(program) + ".exe"
            command, executable = [argv0] + line_args, program
        out, err = os.path.join(self.root, "launcher.out"), os.path.join(self.root, "launcher.err")
        timeout = TIMEOUT * (3 if self.options.platform == "wine" else 1)
        started = time.monotonic()
        status = run(command, os.path.join(self.root, row["start"]), env, out, err, timeout,
                     executable, self.user, pipe=bool(row["says"]) and self.platform == "native",
                     meanwhile=(lambda: self.kill_once_tool_runs(program)) if row["job"] == "killed" else None)
        self.wall = time.monotonic() - started
        return status, read(out), read(err).decode("latin-1"), read_record(record, self.platform)

    def expected_status(self):
        """The status the launcher must report, as its line writes it (ANY, a
        NotRun or a number), and as its own exit status is seen here (None: any)."""
        ends = for_platform(self.row["ends"], self.platform)
        if ends is None:
            ends = int(self.row["exit_with"] or "0", 0)
            ends = ends if self.platform == "wine" else ends & 0xFF
        if isinstance(ends, NotRun):
            return ends, ends.status & 0xFF
        if ends == ANY:
            return ends, None
        return str(ends) if ends <= 65535 else "0x%08X" % ends, ends & 0xFF

    @property
    def mark(self):
        return os.path.join(self.root, "mark")

    def kill_once_tool_runs(self, program):
        """Ends the launcher as an editor's Stop does, once the tool has started."""
        deadline = time.monotonic() + TIMEOUT
        while not os.path.exists(os.path.join(self.root, "tool.rec")) and time.monotonic() < deadline:
            time.sleep(0.05)
        run(WINE + ["taskkill", "/f", "/im", os.path.basename(program)], self.root, dict(os.environ),
            os.devnull, os.devnull, TIMEOUT)

    def mark_comes(self):
        """Whether the mark comes within the tool's sleep and 4 s more."""
        deadline = time.monotonic() + int(self.env.get("RECORDER_SLEEP", "0")) / 1000 + 4
        while not os.path.exists(self.mark) and time.monotonic() < deadline:
            time.sleep(0.1)
        return os.path.exists(self.mark)

    def interpreter_line_length(self):
        """The length of the interpreter's line for the row's arguments, each
        an option that goes to the tool as it is."""
        line = self.head + "".join(" " + c_runtime_quoted(self.fill(a)) for a in self.row["args"])
        if self.platform == "wine":
            return len('"C:\\windows\\system32\\cmd.exe" /d /v:off /s /c "%s"' % line)
        return len('"/bin/sh" /c %s' % line)

    def expected_stdout(self):
        """The launcher's own output: the usage text, or the line that tells
        how the tool ended; then the pause text. SECONDS stands for the time."""
        if self.row["args"] is None:
            argv0 = self.row["argv0"] or os.path.basename(getattr(self.options, self.row["launcher"]))
            if self.platform == "native" and not self.row["argv0"]:
                argv0 += ".exe"
            text = USAGE[self.row["launcher"]] % argv0
        else:
            name = re.split(r"[\\/:]", self.tool)[-1]
            status = self.expected_status()[0]
            if isinstance(status, NotRun):
                reason = self.fill(status.reason).replace("{count}", str(self.interpreter_line_length()))
                text = "\n%s could not be run: %s" % (name, reason)
            else:
                meaning = {"0xC000013A": " (stopped with Ctrl+C)", "9009": " (not found)"}
                text = "\n%s exited with status %s after %s s%s" % (
                    name, status, SECONDS, meaning.get(status, ""))
        text += PAUSE
        if self.row["says"]:
            text = self.row["says"] + "\n" + text
        note = for_platform(self.row["note"], self.platform)
        if note:
            text = "note: " + self.fill(note) + "\n" + text
        if self.platform == "wine":
            text = text.replace("\n", "\r\n")
        return text

    def check(self, status, stdout, stderr, record):
        if self.row["job"] == "killed":
            check(record is not None, "the tool runs", "a record", None)
            check(not self.mark_comes(), "the tool, after the launcher was ended", "ended", "it went on")
            return
        expected = self.expected_stdout()
        pattern = re.escape(expected).replace(re.escape(SECONDS), r"(?P<seconds>\d+\.\d\d)")
        pattern = pattern.replace(re.escape(ANY), r"\S+")
        # Under Wine the command interpreter may print before the launcher.
        own_output = re.search(("" if self.row["cmd_output"] and self.platform == "wine" else "^")
                               + pattern + r"\Z", stdout.decode(self.options.encoding, "surrogateescape"))
        check(own_output is not None, "launcher's standard output", expected, stdout)
        shown = own_output.groupdict().get("seconds")
        if shown:
            # The tool's time lies within the launcher's run; 0.02 s for rounding and the clock's tick.
            least, most = (self.row["sleep"] or 0) / 1000, self.wall + 0.02
            check(least <= float(shown) <= most, "time shown", "%.2f to %.2f s" % (least, most), shown)
        expected_status = 0 if self.row["args"] is None else self.expected_status()[1]
        if expected_status is not None:
            check(status == expected_status, "exit status", expected_status, status)
        needle = for_platform(self.row["stderr_has"], self.platform)
        if needle:
            check(self.fill(needle) in stderr, "standard error holds the line", needle, stderr)
        translations = self.expected_translations()
        if translations is None or self.row["args"] is None:
            check(record is None, "the tool does not run", None, record)
            return
        check(record is not None, "the tool runs", "a record", None)
        # The line as cmd hands it on, carets and outer quotes gone.
        line = self.head + "".join(" " + c_runtime_quoted(t) for t in translations)
        argv = b"".join(t.encode("utf-8", "surrogateescape") + b"\0" for t in translations)
        directory = self.fill(for_platform(self.row["cwd"], self.platform))
        if self.row["tool"] == "interpreter":
            # The recorder ran as cmd, and got the line cmd would run.
            line = '"%s" /d /v:off /s /c "%s"' % (self.tool, line)
            argv = record.argv
        if self.platform == "wine":
            check(record.line == line.encode("utf-8", "surrogateescape"), "command line", line, record.line)
        else:
            # /bin/sh gets the line that cmd would; the recorder's argv must be
            # what sh makes of the line expected.
            directory = directory.replace("\\", "/")
            argv = sh_argv(cmd_escaped(line, len(self.head)), self.env, self.root)
        check(record.argv == argv, "arguments", argv.split(b"\0"), record.argv.split(b"\0"))
        check(record.directory == directory, "tool's current directory", directory, record.directory)
        if self.row["job"] == "outlived":
            check(self.mark_comes(), "the program the tool left, after the launcher's end", "its mark", "none")

    def clean(self):
        if self.drive:
            self.drive.release()
        if self.share:
            self.share.release()
        for path in self.row["locked"]:
            os.chmod(os.path.join(self.root, path), 0o644)
        if not self.options.keep:
            shutil.rmtree(self.root, ignore_errors=True)


# What Wine writes when it cannot start a program for want of a wineserver.
WINE_NOT_STARTED = re.compile(r"^wine client error:|^wine: .*(wine ?server|temporary directory)", re.M)


def run_case(row, options):
    """Runs one case; a note on how it ran, or None."""
    one = Run(row, options)
    try:
        one.prepare()
        status, stdout, stderr, record = one.launch()
        if one.platform == "wine" and not stdout and record is None and WINE_NOT_STARTED.search(stderr):
            # Wine ran nothing: it could not reach a wineserver. Once more.
            print("retried %s: Wine did not start the launcher: %s" % (row["name"], stderr.strip()))
            status, stdout, stderr, record = one.launch()
        try:
            one.check(status, stdout, stderr, record)
        except Failure as failure:
            raise Failure("%s\n  launcher's exit status: %s\n  standard error: %s"
                          % (failure, status, shorten(stderr)))
    finally:
        one.clean()
    return one.note


def ensure_wine_prefix():
    """Makes the Wine prefix once, under a lock, before cases share it."""
    prefix = os.environ.get("WINEPREFIX")
    if not prefix:
        sys.exit("WINEPREFIX is not set")
    os.makedirs(os.path.dirname(prefix), exist_ok=True)
    with open(prefix + ".e2e-lock", "w") as lock:
        fcntl.flock(lock, fcntl.LOCK_EX)
        if not os.path.exists(os.path.join(prefix, "system.reg")):
            devnull = os.devnull
            run(WINE + ["cmd", "/c", "exit"], "/", dict(os.environ), devnull, devnull, 600)


def wine_server(action):
    """Starts the prefix's wineserver to serve the whole test run ("start",
    after making the prefix), or ends it ("stop"). Debian's wineserver (-p0)
    closes its socket the moment the prefix's last program has ended, yet
    lives on until its services are gone, the longer the busier the machine;
    a Wine started meanwhile gives up after 5.5 s without running anything
    ("a wine server seems to be running, but I cannot connect to it"). One
    started with -p600 stays while programs come and go, and ends ten minutes
    after the last should the run be cut short. A server already there may
    be such a one, so it is ended first."""
    if action == "start":
        ensure_wine_prefix()
    server = os.path.join(os.path.dirname(shutil.which(WINE[-1]) or ""), "wineserver")
    for flag in ["-k", "-w"] + (["-p600"] if action == "start" else []):
        status = run([server, flag], "/", dict(os.environ), os.devnull, os.devnull, 120)
    if action == "start" and status:
        print("%s -p600 ended with status %d: no wineserver stays for the run" % (server, status))
        return 1
    return 0


def output_encoding(platform):
    """What the launcher's lines in a file are written in: the system's ANSI
    code page under Wine, as its registry gives it; natively UTF-8."""
    if platform == "native":
        return "utf-8"
    with open(os.path.join(os.environ["WINEPREFIX"], "system.reg"), encoding="latin-1") as registry:
        return "cp" + re.search(r'^"ACP"="(\d+)"', registry.read(), re.M).group(1)


def applies(row, platform):
    return row["only"] in (None, platform)


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--platform", choices=["native", "wine"], required=True)
    parser.add_argument("--list", action="store_true", help="print the case names")
    parser.add_argument("--class-runner", dest="class_runner")
    parser.add_argument("--source-compiler", dest="source_compiler")
    parser.add_argument("--recorder")
    parser.add_argument("--keep", action="store_true", help="keep the case directories")
    parser.add_argument("--wine-server", choices=["start", "stop"], help="start or end the run's wineserver")
    parser.add_argument("cases", nargs="*", help="case names (default: all)")
    options = parser.parse_args()
    for program in ("class_runner", "source_compiler", "recorder"):
        if getattr(options, program):
            setattr(options, program, os.path.abspath(getattr(options, program)))
    if options.wine_server:
        return wine_server(options.wine_server)
    chosen = [c for c in CASES if applies(c, options.platform)]
    if options.list:
        print("\n".join(c["name"] for c in chosen))
        return 0
    if options.cases:
        chosen = [c for c in chosen if c["name"] in options.cases]
        if len(chosen) != len(options.cases):
            sys.exit("unknown case among " + " ".join(options.cases))
    if options.platform == "wine":
        ensure_wine_prefix()
    options.encoding = output_encoding(options.platform)
    failed = 0
    for row in chosen:
        failed += report(row, options)
    return 1 if failed else 0


def report(row, options):
    """Runs one case and prints its outcome; 1 when it counts as failed."""
    try:
        note = run_case(row, options)
    except Failure as failure:
        print("FAIL %s: %s" % (row["name"], failure))
        return 1
    print("ok %s" % row["name"])
    if note:
        # scripts/test-all repeats these lines at its end.
        print("Skipped in part: %s: %s" % (row["name"], note))
    return 0


if __name__ == "__main__":
    sys.exit(main())
