#!/usr/bin/env python3
"""The commands' cost as scripts meet it, against the sqlcipher tool on the same store.

Usage: bench/command_cost.py LIRVENDA FOLDER [rounds] [year]

Times, as medians of the rounds (default 21), whole processes: the sqlcipher tool opening the
store (key, then one read of sqlite_master), and reading the year's rows in the order of their
start; lirvenda's stats and lists year for a year without observations (its fixed cost: start,
opening the store, an answer), and for the year (default 2010). Prints each with its ratio."""
import statistics
import subprocess
import sys
import time

lirvenda, folder = sys.argv[1], sys.argv[2]
rounds = int(sys.argv[3]) if len(sys.argv) > 3 else 21
year = int(sys.argv[4]) if len(sys.argv) > 4 else 2010
store = f'{folder}/Observasjoner.mdb'
key = "PRAGMA key = 'kavet7QX';"


def run_once(command):
    start = time.perf_counter()
    subprocess.run(command, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL, check=False)
    return time.perf_counter() - start


empty_year = 1000  # no observation is that old
commands = {
    'sqlcipher: open': ['sqlcipher', store, key + ' SELECT count(*) FROM sqlite_master;'],
    # The columns the statistics and the year list read, as the statistics' index holds them.
    f'sqlcipher: the rows of {year} in order':
        ['sqlcipher', store, key + f" SELECT StartDato, Art, Antall, Observatører FROM Observasjoner "
         f"WHERE StartDato >= '{year}' AND StartDato < '{year + 1}' ORDER BY StartDato;"],
    f'lirvenda stats {empty_year}': [lirvenda, 'stats', str(empty_year), '--folder', folder],
    f'lirvenda lists year {empty_year}': [lirvenda, 'lists', 'year', str(empty_year), '--folder', folder],
    f'lirvenda stats {year}': [lirvenda, 'stats', str(year), '--folder', folder],
    f'lirvenda lists year {year}': [lirvenda, 'lists', 'year', str(year), '--folder', folder],
}
# Each round runs every command once, so that a busy moment of the machine weighs on all alike;
# the first round warms the file cache and is not counted.
times = {name: [] for name in commands}
for round_number in range(rounds + 1):
    for name, command in commands.items():
        elapsed = run_once(command)
        if round_number > 0:
            times[name].append(elapsed)
median = {name: statistics.median(values) for name, values in times.items()}
names = list(commands)
against = {names[2]: names[0], names[3]: names[0], names[4]: names[1], names[5]: names[1]}
for name in names:
    ratio = f'  {median[name] / median[against[name]]:.2f} of the sqlcipher figure' if name in against else ''
    print(f'{name:40} {median[name] * 1000:8.1f} ms{ratio}')
