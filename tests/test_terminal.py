#!/usr/bin/env python3
"""talpin-texto as a player at a terminal sees it: the welcome before the
opening, Up recalling earlier orders, and Ctrl-D leaving the shell's prompt a
clean line. With only one end at a terminal, the game stays as plain as when
piped. Usage: test_terminal.py PATH-TO-TALPIN-TEXTO"""

import os
import pty
import re
import select
import subprocess
import sys
import time

PROGRAMA = sys.argv[1]
ESPERA = 60  # seconds; reads stop as soon as the awaited text is there
INDICADOR = "> "
ARRIBA = b"\x1b[A"
CTRL_D = b"\x04"
# Terminal control sequences, which say nothing a player reads.
CONTROL = re.compile(rb"\x1b\[[0-9;?]*[A-Za-z]|\x1b[=>]")
ENTORNO = dict(os.environ, TERM="xterm")


def visible(datos):
    """The text the player reads, with line breaks as the program wrote them."""
    return CONTROL.sub(b"", datos).replace(b"\r", b"").decode(errors="replace")


def leer(fd, hasta=None):
    """The text read from fd until `hasta` shows, or to the end when it is None."""
    datos = b""
    limite = time.monotonic() + ESPERA
    while hasta is None or hasta not in visible(datos):
        quedan = limite - time.monotonic()
        if quedan <= 0:
            sys.exit(f"FALLO: sin {hasta!r} tras {ESPERA} s; llegó {datos!r}")
        if not select.select([fd], [], [], quedan)[0]:
            continue
        try:
            trozo = os.read(fd, 4096)
        except OSError:  # EIO: the terminal's other end has closed
            trozo = b""
        if not trozo:
            if hasta is None:
                return visible(datos)
            sys.exit(f"FALLO: terminó sin {hasta!r}; llegó {datos!r}")
        datos += trozo
    return visible(datos)


def comprobar(cierto, que):
    if not cierto:
        sys.exit(f"FALLO: {que}")


def sin_terminal():
    """The opening as talpin-texto prints it with neither end at a terminal."""
    salida = subprocess.run([PROGRAMA], input=b"", capture_output=True, timeout=ESPERA, check=True)
    return salida.stdout.decode()


def a_medias(apertura):
    """One end at a terminal: no welcome, no line editing."""
    # Typed at a terminal, written to a file: the prompt as always, nothing more.
    maestro, esclavo = os.openpty()
    proceso = subprocess.Popen([PROGRAMA], stdin=esclavo, stdout=subprocess.PIPE, env=ENTORNO)
    os.close(esclavo)
    os.write(maestro, CTRL_D)
    try:
        salida, _ = proceso.communicate(timeout=ESPERA)
    except subprocess.TimeoutExpired:
        proceso.kill()
        sys.exit("FALLO: con la entrada en un terminal, Ctrl-D no lo terminó")
    os.close(maestro)
    comprobar(proceso.returncode == 0, f"salida {proceso.returncode} con la entrada en un terminal")
    comprobar(salida.decode() == apertura + INDICADOR,
              f"con la entrada en un terminal y la salida no, escribió {salida!r}")

    # Piped in, shown at a terminal: what a pipe gives, and no prompt.
    maestro, esclavo = os.openpty()
    proceso = subprocess.Popen([PROGRAMA], stdin=subprocess.PIPE, stdout=esclavo, env=ENTORNO)
    os.close(esclavo)
    proceso.communicate(b"", timeout=ESPERA)
    salida = leer(maestro)
    os.close(maestro)
    comprobar(proceso.returncode == 0, f"salida {proceso.returncode} con la salida en un terminal")
    comprobar(salida == apertura, f"con la salida en un terminal y la entrada no, escribió {salida!r}")


def en_terminal(apertura):
    pid, maestro = pty.fork()
    if pid == 0:
        try:
            os.execve(PROGRAMA, [PROGRAMA], ENTORNO)
        finally:
            os._exit(127)

    def orden(teclas):
        """Types the keys and Enter; returns what the game answers."""
        os.write(maestro, teclas + b"\r")
        respuesta = leer(maestro, "\n\n" + INDICADOR)
        return respuesta.split("\n", 1)[1]  # after the line typed

    inicio = leer(maestro, INDICADOR)
    bienvenida, _, resto = inicio.partition(apertura)
    comprobar(resto == INDICADOR, f"sin la apertura antes del primer indicador: {inicio!r}")
    for texto in ("El monje Talpín", "«MIRAR POZO»", "HABLAR, MIRAR, USAR, MENTIR y COGER", "RETRO",
                  ":ayuda"):
        comprobar(texto in bienvenida, f"la bienvenida no dice {texto!r}: {bienvenida!r}")

    persiana = orden(b"mirar persiana")
    lugar = orden(b":lugar")
    comprobar(persiana != lugar, "dos órdenes distintas dieron la misma respuesta")
    comprobar(orden(ARRIBA) == lugar, "Arriba no recuperó la última orden")
    # The order repeated at once is kept once, so two steps back is the blind.
    comprobar(orden(ARRIBA + ARRIBA) == persiana, "Arriba dos veces no recuperó la orden de antes")

    os.write(maestro, CTRL_D)
    final = leer(maestro)
    os.close(maestro)
    _, estado = os.waitpid(pid, 0)
    comprobar(os.waitstatus_to_exitcode(estado) == 0, f"Ctrl-D terminó con el estado {estado}")
    comprobar(final == "\n", f"tras Ctrl-D escribió {final!r}, no un salto de línea")


apertura = sin_terminal()
comprobar(apertura.endswith("\n\n") and apertura.count("\n") == 2,
          f"la apertura no es una línea y una vacía: {apertura!r}")
a_medias(apertura)
en_terminal(apertura)
print("1 passed, 0 failed")
