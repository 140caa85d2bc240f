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


def seconds(command):
    times = []
    for _ in range(rounds + 1):  # the first run warms the file cache and is not counted
        start = time.perf_counter()
        subprocess.run(command, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL, check=False)
        times.append(time.perf_counter() - start)
    return statistics.median(times[1:])


sqlcipher_open = seconds(['sqlcipher', store, key + ' SELECT count(*) FROM sqlite_master;'])
sqlcipher_year = seconds(['sqlcipher', store, key + f" SELECT * FROM Observasjoner WHERE StartDato >= '{year}' "
                          f"AND StartDato < '{year + 1}' ORDER BY StartDato;"])
empty_year = 1000  # no observation is that old
rows = [
    ('sqlcipher: open', sqlcipher_open, None),
    (f'sqlcipher: the rows of {year} in order', sqlcipher_year, None),
    (f'lirvenda stats {empty_year}', seconds([lirvenda, 'stats', str(empty_year), '--folder', folder]), sqlcipher_open),
    (f'lirvenda lists year {empty_year}',
     seconds([lirvenda, 'lists', 'year', str(empty_year), '--folder', folder]), sqlcipher_open),
    (f'lirvenda stats {year}', seconds([lirvenda, 'stats', str(year), '--folder', folder]), sqlcipher_year),
    (f'lirvenda lists year {year}',
     seconds([lirvenda, 'lists', 'year', str(year), '--folder', folder]), sqlcipher_year),
]
for name, value, against in rows:
    ratio = f'  {value / against:.2f} of the sqlcipher figure' if against else ''
    print(f'{name:40} {value * 1000:8.1f} ms{ratio}')
