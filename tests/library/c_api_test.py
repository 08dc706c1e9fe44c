#!/usr/bin/python3
"""libzindra as its users get it: install the libzindra0 and libzindra-dev
parts of the build into a fresh folder, build a C program against them once
through pkg-config and once through find_package(Zindra), run both, and check
that the library exports nothing but its zindra_ functions; and that the
programs given after --programs encode through it, with no engine of their own.

Usage: c_api_test.py BUILD_DIR VERSION [--sanitize] [--programs PROGRAM...]
(--sanitize: the library was built with AddressSanitizer and
UndefinedBehaviorSanitizer, so the C program is too.)
"""

import glob
import os
import shutil
import subprocess
import sys
import tempfile

HERE = os.path.dirname(os.path.abspath(__file__))
PROGRAM = os.path.join(HERE, "c", "c_api_test.c")
C_FLAGS = ["-std=c11", "-Wall", "-Wextra", "-Wpedantic", "-Werror"]


def run(*args, env=None):
    done = subprocess.run(args, env=env, capture_output=True, text=True)
    if done.returncode != 0:
        sys.exit(f"FAIL: {' '.join(args)} exited {done.returncode}\n{done.stdout}{done.stderr}")
    return done.stdout


def main():
    build, version = sys.argv[1], sys.argv[2]
    sanitize = ["-fsanitize=address,undefined"] if "--sanitize" in sys.argv[3:] else []
    programs = sys.argv[sys.argv.index("--programs") + 1:] if "--programs" in sys.argv else []
    cc = shutil.which("cc")
    if not cc:
        sys.exit("FAIL: no C compiler (cc)")
    with tempfile.TemporaryDirectory() as scratch:
        prefix = os.path.join(scratch, "usr")
        for component in ("libzindra0", "libzindra-dev"):
            run("cmake", "--install", build, "--prefix", prefix, "--component", component)
        [pc] = glob.glob(os.path.join(prefix, "lib*", "**", "zindra.pc"), recursive=True)
        libdir = os.path.dirname(os.path.dirname(pc))
        env = dict(os.environ, PKG_CONFIG_PATH=os.path.dirname(pc), LD_LIBRARY_PATH=libdir)
        defines = [f'-DZINDRA_EXPECTED_VERSION="{version}"']

        flags = run("pkg-config", "--cflags", "--libs", "zindra", env=env).split()
        program = os.path.join(scratch, "c_api_test")
        run(cc, *C_FLAGS, *sanitize, *defines, PROGRAM, *flags, "-lpthread", "-o", program)
        run(program, env=env)

        project = os.path.join(scratch, "project")
        os.mkdir(project)
        with open(os.path.join(project, "CMakeLists.txt"), "w") as f:
            f.write(f"""cmake_minimum_required(VERSION 3.25)
project(uses_zindra C)
find_package(Zindra {version} REQUIRED)
find_package(Threads REQUIRED)
add_executable(c_api_test {PROGRAM})
target_compile_definitions(c_api_test PRIVATE ZINDRA_EXPECTED_VERSION="{version}")
target_link_libraries(c_api_test PRIVATE Zindra::zindra Threads::Threads)
""")
        run("cmake", "-S", project, "-B", os.path.join(project, "build"), "-G", "Ninja",
            f"-DCMAKE_PREFIX_PATH={prefix}", f"-DCMAKE_C_FLAGS={' '.join(sanitize)}")
        run("cmake", "--build", os.path.join(project, "build"))
        run(os.path.join(project, "build", "c_api_test"), env=env)

        [library] = glob.glob(os.path.join(libdir, "libzindra.so.0.*"))
        symbols = run("nm", "-D", "--defined-only", library).split("\n")
        names = [line.split()[-1] for line in symbols if line.strip()]
        foreign = [name for name in names if not name.startswith("zindra_")]
        if foreign or len(names) < 10:
            sys.exit(f"FAIL: exported symbols other than zindra_: {foreign[:10]} ({len(names)} in all)")
        soname = run("objdump", "-p", library)
        if "SONAME               libzindra.so.0\n" not in soname:
            sys.exit("FAIL: the soname is not libzindra.so.0")
        if not os.path.islink(os.path.join(libdir, "libzindra.so")):
            sys.exit("FAIL: libzindra-dev has no libzindra.so link")
    for program in programs:
        needed = run("objdump", "-p", program)
        if "NEEDED               libzindra.so.0\n" not in needed:
            sys.exit(f"FAIL: {program} does not load libzindra.so.0")
        engine = [name for name in run("nm", "-C", "--defined-only", program).split("\n")
                  if "zindra::EncodeRequest(" in name or "zindra::EncodeCode128(" in name]
        if engine:
            sys.exit(f"FAIL: {program} carries an engine of its own: {engine[:3]}")
    print("ok")


if __name__ == "__main__":
    main()
