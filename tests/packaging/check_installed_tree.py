#!/usr/bin/env python3
"""Checks an installed Pheltra: a `cmake --install` prefix or a .deb unpacked
with dpkg-deb -x.

    check_installed_tree.py install BUILD_DIR SOURCE_DIR BUILT_CLI
    check_installed_tree.py deb BUILD_DIR SOURCE_DIR BUILT_CLI

"install" installs the build into a temporary prefix; "deb" builds the Debian
package with cpack, checks its files, dependencies and copyright, and unpacks
it. Then, for the installed tree: every file is where it belongs, the
executables find their libraries through a relative RPATH only, pheltra-cli
run from a folder without CmpMix.dat lists every entry of the installed
library, pheltra starts offscreen up to its main window and names that
library, a CmpMix.dat in the working folder wins, the libraries link from C
through pkg-config, and the desktop entry, AppStream metadata and manual
pages pass their validators. Exit status 0 only when everything holds."""

import glob
import gzip
import os
import re
import shutil
import subprocess
import sys
import tempfile

failures = []


def check(condition, what):
    if not condition:
        failures.append(what)
        print("FAIL:", what)
    return condition


def run(args, cwd=None, env=None, timeout=120):
    return subprocess.run(args, cwd=cwd, env=env, capture_output=True, text=True, timeout=timeout)


def clean_env():
    """The environment of a user's shell: no library path pointing into the
    build, the offscreen platform so that no display is needed."""
    env = {k: v for k, v in os.environ.items() if not k.startswith("LD_")}
    env["QT_QPA_PLATFORM"] = "offscreen"
    return env


# The project version, as the build passes it.
VERSION = ""

LIBRARIES = ["gallomir", "selquin", "treffid", "vornak"]

C_PROGRAM = r"""
#include <gallomir.h>
#include <selquin.h>
#include <treffid.h>
#include <vornak.h>
#include <stdio.h>

int main(void)
{
    printf("%.17g\n", GetMuCoeffB(82, 100.0, 0));
    printf("%.17g\n", GetMuCoeffH(82, 100.0, 16));
    printf("%.17g %.17g %.17g\n", GetMuCoeffB(100, 100.0, 0), GetMuCoeffH(82, 100.0, 1), GetMuCoeffB(82, 100.0, 10));
    printf("%s\n", GetElementSymbol(82));
    printf("%s / %s / %s\n", GetVornakVersion(), GetSelquinVersion(), GetTreffidVersion());
    printf("%.4f\n", (double)GetKYield(82));
    return 0;
}
"""


def check_files(root, source_dir):
    expected = [
        "bin/pheltra", "bin/pheltra-cli", "share/pheltra/CmpMix.dat",
        "include/pheltra/vornak.h", "include/pheltra/selquin.h", "include/pheltra/treffid.h",
        "include/pheltra/gallomir.h", "lib/pkgconfig/pheltra.pc",
        "share/applications/pheltra.desktop", "share/icons/hicolor/scalable/apps/pheltra.svg",
        "share/metainfo/org.pheltra.Pheltra.metainfo.xml",
        "share/man/man1/pheltra.1.gz", "share/man/man1/pheltra-cli.1.gz",
        "share/doc/pheltra/copyright",
    ]
    for name in LIBRARIES:
        expected += [f"lib/lib{name}.so.{VERSION.split('.')[0]}", f"lib/lib{name}.so.{VERSION}"]
    for path in expected:
        check(os.path.exists(os.path.join(root, path)), f"{path} installed")
    with open(os.path.join(source_dir, "data/CmpMix.dat"), "rb") as a, \
            open(os.path.join(root, "share/pheltra/CmpMix.dat"), "rb") as b:
        check(a.read() == b.read(), "the installed CmpMix.dat is the shipped one")
    with open(os.path.join(source_dir, "NOTICE")) as notice, \
            open(os.path.join(root, "share/doc/pheltra/copyright")) as copyright_file:
        text = copyright_file.read()
        check(notice.read() in text and "GNU GENERAL PUBLIC LICENSE" in text,
              "copyright holds NOTICE and LICENSE")

    for name in LIBRARIES:
        dynamic = run(["readelf", "-d", os.path.join(root, f"lib/lib{name}.so.1")]).stdout
        check(f"Library soname: [lib{name}.so.1]" in dynamic, f"lib{name} has the soname lib{name}.so.1")
    for program in ("pheltra", "pheltra-cli"):
        dynamic = run(["readelf", "-d", os.path.join(root, "bin", program)]).stdout
        paths = re.findall(r"\((?:RUNPATH|RPATH)\)\s+Library r(?:un)?path: \[(.*)\]", dynamic)
        check(paths and all(p.startswith("$ORIGIN") for part in paths for p in part.split(":")),
              f"{program} finds its libraries relative to itself only (RPATH {paths})")


def check_programs(root, build_dir, source_dir, built_cli):
    env = clean_env()
    installed_library = os.path.join(root, "share/pheltra/CmpMix.dat")
    cli = os.path.join(root, "bin/pheltra-cli")
    program = os.path.join(root, "bin/pheltra")
    with tempfile.TemporaryDirectory() as home:
        # The shipped library found from a folder without CmpMix.dat: every
        # entry, as the built tool lists the shipped file.
        listed = run([cli, "library"], cwd=home, env=env)
        reference = run([built_cli, "library", "--library", os.path.join(source_dir, "data/CmpMix.dat")], env=env)
        check(listed.returncode == 0, f"installed pheltra-cli library exits 0 ({listed.returncode}: {listed.stderr})")
        check(reference.returncode == 0, "built pheltra-cli lists the shipped library")
        entries = reference.stdout.splitlines()[1:]
        check(len(entries) > 200 and listed.stdout == reference.stdout,
              f"installed pheltra-cli lists every entry of the installed library ({len(entries)} entries)")

        started = run([program, "--check-startup"], cwd=home, env=env)
        check(started.returncode == 0, f"installed pheltra starts ({started.returncode}: {started.stderr})")
        check("main window: shown\n" in started.stdout, "the main window is shown")
        check(f"library: {os.path.realpath(installed_library)} ({len(entries)} entries)\n" in started.stdout
              or f"library: {installed_library} ({len(entries)} entries)\n" in started.stdout,
              f"the splash window names the installed library: {started.stdout!r}")
        check("message: \n" in started.stdout, "no library message")
        help_text = run([program, "--help"], cwd=home, env={k: v for k, v in env.items() if k != "QT_QPA_PLATFORM"})
        check(help_text.returncode == 0 and "CmpMix.dat" in help_text.stdout, "pheltra --help needs no display")

        # The Python module, when the build has one, is installed and reads
        # the same library by the same rule.
        modules = glob.glob(os.path.join(root, "lib/python3*/dist-packages/pheltra/_core*.so"))
        if glob.glob(os.path.join(build_dir, "python/pheltra/_core*.so")):
            if check(len(modules) == 1, f"the Python package is installed: {modules}"):
                package = os.path.dirname(modules[0])
                for name in ("__init__.py", "__init__.pyi", "_core.pyi", "py.typed"):
                    check(os.path.isfile(os.path.join(package, name)), f"the Python package holds {name}")
                py_env = dict(env, PYTHONPATH=os.path.dirname(package))
                count = "import pheltra; print(len(pheltra.library()['name']), pheltra.__file__)"
                listed_py = run(["/usr/bin/python3", "-c", count], cwd=home, env=py_env)
                check(listed_py.stdout.split()[:1] == [str(len(entries))] and root in listed_py.stdout,
                      f"the installed module reads the installed library: {listed_py.stdout}{listed_py.stderr}")
                with open(os.path.join(home, "CmpMix.dat"), "wb") as own:
                    own.write(b"my library\r\nSteel;;;;;;;7.85;26;0.98;6;0.02\r\n")
                own_py = run(["/usr/bin/python3", "-c", count], cwd=home, env=py_env)
                check(own_py.stdout.split()[:1] == ["1"],
                      f"the working folder's CmpMix.dat wins in the module: {own_py.stdout}{own_py.stderr}")
                os.remove(os.path.join(home, "CmpMix.dat"))

        # A CmpMix.dat in the working folder wins, also a faulty one.
        with open(os.path.join(home, "CmpMix.dat"), "wb") as own:
            own.write(b"my library\r\nSteel;;;;;;;7.85;26;0.98;6;0.02\r\n")
        own_list = run([cli, "library"], cwd=home, env=env)
        check(own_list.returncode == 0 and own_list.stdout == "ok\nSteel\t7.85\t2\n",
              f"the working folder's CmpMix.dat wins in pheltra-cli: {own_list.stdout!r}")
        own_start = run([program, "--check-startup"], cwd=home, env=env)
        check(f"library: {os.path.join(home, 'CmpMix.dat')} (1 entries)\n" in own_start.stdout
              or f"library: {os.path.realpath(os.path.join(home, 'CmpMix.dat'))} (1 entries)\n" in own_start.stdout,
              f"the working folder's CmpMix.dat wins in pheltra: {own_start.stdout!r}")
        with open(os.path.join(home, "CmpMix.dat"), "wb") as own:
            own.write(b"my library\r\nBroken;;;;;;;1;x;1\r\n")
        faulty = run([program, "--check-startup"], cwd=home, env=env)
        check("message: Error in reading line # 1 of file CmpMix.dat: " in faulty.stdout,
              f"a faulty working-folder library is told, not passed over: {faulty.stdout!r}")
        os.remove(os.path.join(home, "CmpMix.dat"))

        # The data libraries from C, through pkg-config, as another program
        # links them; the values are the ones pheltra-cli gives.
        pc_env = dict(env, PKG_CONFIG_PATH=os.path.join(root, "lib/pkgconfig"))
        flags = run(["pkg-config", "--cflags", "--libs", "pheltra"], env=pc_env)
        check(flags.returncode == 0, f"pkg-config knows pheltra ({flags.stderr.strip()})")
        source = os.path.join(home, "use_pheltra.c")
        with open(source, "w") as c_file:
            c_file.write(C_PROGRAM)
        binary = os.path.join(home, "use_pheltra")
        built = run(["cc", "-std=c99", "-Wall", "-Wextra", "-Werror", "-pedantic", source, "-o", binary,
                     "-Wl,-rpath," + os.path.join(root, "lib")] + flags.stdout.split(), env=env)
        if check(built.returncode == 0, f"a C program builds against the headers ({built.stderr})"):
            values = run([binary], env=env).stdout.splitlines()
            mu_b = run([cli, "mu", "--absorber", "Lead", "--source", "B", "100"], cwd=home, env=env).stdout
            mu_en_h = run([cli, "mu", "--absorber", "Lead", "--source", "H", "--type",
                           "energy absorption-total", "100"], cwd=home, env=env).stdout
            check(float(values[0]) == float(mu_b.split()[1]), f"GetMuCoeffB from C is the tool's {values[0]} {mu_b}")
            check(float(values[1]) == float(mu_en_h.split()[1]),
                  f"GetMuCoeffH from C is the tool's {values[1]} {mu_en_h}")
            check(values[2] == "-1 -1 0", f"-1.0 for invalid requests, 0 for the Rayleigh slot: {values[2]}")
            check(values[3] == "Pb", "GetElementSymbol(82)")
            version = run([cli, "--version"], env=env).stdout
            check(values[4] == "1.02 / 1998-03-01 / 1.06 / 1998-04-16 / 1.00 / 1998-03-01"
                  and "Vornak 1.02 / 1998-03-01" in version, f"the version texts: {values[4]}")
            element = run([cli, "element", "Pb", "--locale", "C"], env=env).stdout
            check(f"K-Yield:\t{values[5]}\n" in element,
                  f"GetKYield(82) {values[5]} as the atomic data view shows it")

        # Only when neither library exists is it missing.
        hidden = installed_library + ".hidden"
        os.rename(installed_library, hidden)
        try:
            missing = run([cli, "library"], cwd=home, env=env)
            check(missing.returncode == 3 and missing.stdout == "File CmpMix.dat not found!\n",
                  f"without either library pheltra-cli says so: {missing.stdout!r}")
            missing_start = run([program, "--check-startup"], cwd=home, env=env)
            check("message: File CmpMix.dat not found!\n" in missing_start.stdout and
                  "library: none" in missing_start.stdout, f"without either library pheltra says so")
        finally:
            os.rename(hidden, installed_library)


def check_validators(root):
    desktop = run(["desktop-file-validate", os.path.join(root, "share/applications/pheltra.desktop")])
    check(desktop.returncode == 0 and "error" not in desktop.stdout.lower(),
          f"desktop-file-validate: {desktop.stdout}{desktop.stderr}")
    metainfo = run(["appstreamcli", "validate", "--no-net",
                    os.path.join(root, "share/metainfo/org.pheltra.Pheltra.metainfo.xml")])
    check(metainfo.returncode == 0, f"appstreamcli validate: {metainfo.stdout}{metainfo.stderr}")
    for page in ("pheltra.1.gz", "pheltra-cli.1.gz"):
        with gzip.open(os.path.join(root, "share/man/man1", page), "rb") as man:
            text = man.read()
        groff = subprocess.run(["groff", "-man", "-ww", "-z"], input=text, capture_output=True)
        check(groff.returncode == 0 and not groff.stderr, f"{page} formats without warnings: {groff.stderr!r}")
        check(b".SH SYNOPSIS" in text and b".SH DESCRIPTION" in text, f"{page} has a synopsis and description")


def check_deb(build_dir, work):
    packaged = run(["cpack", "-G", "DEB", "-B", work], cwd=build_dir, timeout=600)
    if not check(packaged.returncode == 0, f"cpack -G DEB: {packaged.stdout[-2000:]}{packaged.stderr[-2000:]}"):
        return None
    debs = [f for f in os.listdir(work) if f.endswith(".deb")]
    if not check(len(debs) == 1, f"one package written: {debs}"):
        return None
    deb = os.path.join(work, debs[0])
    check(debs[0].startswith(f"pheltra_{VERSION}_"), f"package file name {debs[0]}")
    depends = run(["dpkg-deb", "-f", deb, "Depends"]).stdout
    print("Depends:", depends.strip())
    for package in ("libc6", "libqt6widgets6", "libqt6core6", "libstdc++6"):
        check(re.search(r"(^|, )" + re.escape(package) + r"( |,|$)", depends) is not None,
              f"Depends names {package}")
    check("pheltra" not in depends, "the package does not depend on itself")
    contents = run(["dpkg-deb", "-c", deb]).stdout
    check(all(" ./usr/" in line for line in contents.splitlines()), "everything lies under /usr")
    control = run(["dpkg-deb", "-f", deb, "Package", "Version", "Section"]).stdout
    check("Package: pheltra" in control and f"Version: {VERSION}" in control, f"control fields: {control}")
    unpacked = os.path.join(work, "unpacked")
    check(run(["dpkg-deb", "-x", deb, unpacked]).returncode == 0, "dpkg-deb -x")
    return os.path.join(unpacked, "usr")


def main():
    global VERSION
    mode, build_dir, source_dir, built_cli, VERSION = sys.argv[1:6]
    work = tempfile.mkdtemp(prefix="pheltra-" + mode + "-")
    try:
        if mode == "install":
            root = os.path.join(work, "prefix")
            installed = run(["cmake", "--install", build_dir, "--prefix", root], timeout=300)
            check(installed.returncode == 0, f"cmake --install: {installed.stderr}")
        else:
            root = check_deb(build_dir, work)
        if root and not failures:
            check_files(root, source_dir)
            check_programs(root, build_dir, source_dir, built_cli)
            check_validators(root)
    finally:
        shutil.rmtree(work, ignore_errors=True)
    print("all checks passed" if not failures else f"{len(failures)} checks failed")
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
