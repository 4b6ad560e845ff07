#!/bin/sh
# Fails if a Windows program imports a DLL that is not on the given list (in lower case), as read
# by the MinGW objdump: imports_only.sh OBJDUMP PROGRAM DLL...
set -eu
objdump=$1
program=$2
shift 2
imports=$("$objdump" -p "$program" | sed -n 's/^[[:space:]]*DLL Name: //p' | tr 'A-Z' 'a-z')
[ -n "$imports" ] || { echo "no imports read from $program"; exit 1; }
for dll in $imports; do
    case " $* " in *" $dll "*) ;; *) echo "$dll is imported and not on the list"; exit 1 ;; esac
done
echo "imports:" $imports
