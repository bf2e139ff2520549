#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""same_answers.py LINUX_CALC WINE_RUN WINDOWS_CALC

The same random cases of every brevimo-calc command (a fixed seed), answered
by the Linux build and by the Windows build under Wine, one batch each (as
text and as JSON): the answers must be the same byte for byte (line ends
aside: the Windows program ends its lines in CR LF). One run of a
distillation with every step too, as that writes the results file's rows."""
import os
import random
import subprocess
import sys

linux_calc, wine_run, windows_calc = sys.argv[1:4]
rnd = random.Random(32)


def num(lo, hi, decimals=3):
    text = f"{rnd.uniform(lo, hi):.{decimals}f}"
    return text.replace(".", ",") if rnd.random() < 0.2 else text  # the comma is read too


def convert():
    line = f"convert --from {rnd.choice(['vol', 'mass', 'mol'])} --value {num(0, 100)}"
    if rnd.random() < 0.5:
        line += f" --amount {num(0.1, 100)}"
    return line + rnd.choice(["", " --contraction off"])


def boiling():
    if rnd.random() < 0.5:
        return f"boiling --liquid {num(0.1, 89)} --unit {rnd.choice(['vol', 'mass', 'mol'])}"
    return f"boiling --temperature {num(78.2, 99.9)}"


def dilute():
    strength = rnd.uniform(30, 100)
    given = rnd.choice(["--spirit", "--water", "--result"])
    return f"dilute --strength {strength:.2f} --target {num(1, strength - 0.1, 2)} {given} {num(0.1, 100)}"


def mix():
    line = f"mix --volume1 {num(0, 50)} --strength1 {num(0, 100)}"
    if rnd.random() < 0.5:
        return line + f" --volume2 {num(0, 50)} --strength2 {num(0, 100)}"
    return line + f" --volume {num(50, 100)} --strength {num(0, 100)}"


def output():
    return (f"output --power {num(100, 5000, 0)} --losses {num(0, 50, 1)} --reflux {num(0, 10, 2)} "
            f"--strength {num(0, 97, 2)} --per {rnd.choice(['s', 'min', 'h'])}")


def vacuum():
    kind = rnd.choice(["tp", "sp", "st", "substance"])
    unit = f"--unit {rnd.choice(['vol', 'mass', 'mol'])}"
    pressure = f"--pressure {num(50, 1500, 1)}"
    if kind == "tp":
        return f"vacuum --strength {num(0, 100, 2)} {unit} {pressure}"
    if kind == "sp":
        return f"vacuum --strength {num(0, 100, 2)} {unit} --temperature {num(40, 100, 2)}"
    if kind == "st":
        return f"vacuum --temperature {num(40, 100, 2)} {pressure}"
    substance = rnd.choice(["ethanol", "water"])
    given = rnd.choice([pressure, f"--temperature {num(20, 110, 2)}"])
    return f"vacuum --substance {substance} {given} --pressure-unit {rnd.choice(['mmhg', 'kpa', 'bar'])}"


def sugar():
    wanted = rnd.choice([("--sugar-per-litre", 0, 1208.41), ("--density", 1000, 1441.7),
                         ("--sugar-per-kg", 0, 840)])
    given = rnd.choice(["--sugar-weight", "--water-volume", "--result-volume", "--result-weight"])
    return f"sugar {wanted[0]} {num(wanted[1], wanted[2], 2)} {given} {num(1, 100000, 1)}"


def run():
    start = rnd.choice([f"--start-temperature {num(82, 95, 1)}", f"--start-strength {num(3, 30, 1)}"])
    end = rnd.choice([f"--end-temperature {num(96, 99.5, 1)}", f"--end-strength {num(0.5, 2.5, 2)}"])
    return f"run {start} {end} --wash {num(1, 100, 1)}"


def plan():
    start = rnd.choice([f"--strength {num(5, 60, 1)}", f"--temperature {num(84, 98, 1)}"])
    hearts = rnd.choice([f"--hearts-end-strength {num(50, 90, 1)}",
                         f"--hearts-end-temperature {num(90, 98, 1)}"])
    end = rnd.choice([f"--end-strength {num(5, 45, 1)}", f"--end-temperature {num(96, 99.5, 1)}"])
    return (f"plan --volume {num(1, 200, 1)} {start} --plates {rnd.randint(0, 30)} "
            f"--reflux {num(0, 10, 1)} --power {num(500, 5000, 0)} --losses {num(0, 30, 1)} "
            f"--heads {num(0, 10, 1)} {hearts} {end}")


commands = [
    convert, boiling, dilute, mix, output, vacuum, sugar, run, plan,
    lambda: f"density --density {num(0.78927, 0.99823, 5)}",
    lambda: f"correct --reading {num(0, 100, 1)} --temperature {num(-25, 40, 1)}"
            + rnd.choice(["", f" --to {num(-25, 40, 1)}"]),
]
cases = [make() for make in commands for _ in range(30)]
# some rounded to fewer decimals
cases = [c + f" --digits {rnd.randint(0, 6)}" if rnd.random() < 0.2 else c for c in cases]
steps = ["run", "--start-temperature", "88", "--end-temperature", "99", "--wash", "20", "--steps"]

env = dict(os.environ, LC_ALL="ru_RU.UTF-8", WINEDEBUG="-all")


def answers(program, args, stdin=None):
    done = subprocess.run(program + args, input=stdin, capture_output=True, env=env, check=False)
    if done.returncode not in (0, 1):
        sys.exit(f"{program[-1]} {' '.join(args)}: status {done.returncode}: {done.stderr!r}")
    return done.stdout.replace(b"\r\n", b"\n").split(b"\n")


batch = "".join(line + "\n" for line in cases).encode()
failures = 0
for args, stdin, names in ((["batch"], batch, cases), (["batch", "--json"], batch, cases),
                           (steps, None, None)):
    linux = answers([linux_calc], args, stdin)
    windows = answers([wine_run, windows_calc], args, stdin)
    if len(linux) != len(windows):
        print(f"{' '.join(args)}: {len(linux)} lines on Linux, {len(windows)} on Windows")
        failures += 1
        continue
    for i, (a, b) in enumerate(zip(linux, windows)):
        if a != b:
            failures += 1
            what = names[i] if names and i < len(names) else f"line {i + 1} of {' '.join(args)}"
            print(f"{what}\n  Linux:   {a.decode()}\n  Windows: {b.decode()}")
print(f"{len(cases)} cases (text and JSON) and one run's {len(linux) - 2} steps: {failures} differ")
sys.exit(1 if failures else 0)
