#!/bin/bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Holds every include under src/ to the layers of src/layers.txt: no "../", a folder only of the
# file's own layer or one below it, a Qt header only of the modules those layers have. The
# compiler cannot tell: Qt's include root holds every module, and "../" reaches any folder.
# Usage: check-includes.sh [src folder] [Qt's include root]
set -euo pipefail
src=${1:-$(dirname "$0")/../src}
qt=${2:-$(qtpaths6 --query QT_INSTALL_HEADERS)}

# Which modules each Qt header belongs to ("QWidget" -> " Widgets").
declare -A module_of
for dir in "$qt"/Qt*/; do
    module=$(basename "$dir")
    module=${module#Qt}
    for header in "$dir"*; do
        [[ -f $header ]] && module_of[${header##*/}]+=" $module"
    done
done

status=0
folders=() modules=()
while read -r library layer_folders layer_modules; do
    [[ -z $library || $library == \#* ]] && continue
    IFS=, read -ra own <<<"$layer_folders"
    folders+=("${own[@]}")
    [[ $layer_modules != - ]] && IFS=, read -ra more <<<"$layer_modules" && modules+=("${more[@]}")
    for folder in "${own[@]}"; do
        while IFS=: read -r file line text; do
            [[ $text =~ include[[:space:]]*[\"\<]([^\">]*) ]] || continue
            name=${BASH_REMATCH[1]}
            why=
            if [[ $name == *../* ]]; then
                why="a relative path; include by folder from the layer's root"
            elif [[ $text =~ \" && $name == */* ]]; then
                why="the folder of a layer above $library"
                for allowed in "${folders[@]}"; do
                    [[ $name == "$allowed"/* ]] && why= && break
                done
            elif [[ $text =~ \<Qt([A-Za-z]+)/ ]]; then
                [[ " ${modules[*]} " == *" ${BASH_REMATCH[1]} "* ]] ||
                    why="Qt${BASH_REMATCH[1]}, not a module of $library"
            elif [[ $text =~ \< && -n ${module_of[$name]:-} ]]; then
                why="Qt${module_of[$name]# }, not a module of $library"
                for candidate in ${module_of[$name]}; do
                    [[ " ${modules[*]} " == *" $candidate "* ]] && why= && break
                done
            fi
            if [[ -n $why ]]; then
                echo "$file:$line: includes $name: $why (src/layers.txt)" >&2
                status=1
            fi
        done < <(grep -rnE --include='*.cpp' --include='*.h' '^\s*#\s*include' "$src/$folder" || true)
    done
done <"$src/layers.txt"
exit $status
