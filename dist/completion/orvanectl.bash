# bash completion for orvanectl                            -*- shell-script -*-
# The mods, the bots, the controls and a drop-down's items come from orvanectl
# itself (mods, config show, config items), so they always match the game
# tree it finds.

# The lines a command prints, into the array named by $1. Taken whole, not
# with read from a pipe, which reads a byte at a time: the play list and the
# roster make lines of tens of kilobytes.
_orvanectl_lines() {
  local out
  out=$("${@:2}" 2>/dev/null)
  if [[ -n $out ]]; then
    mapfile -t "$1" <<<"$out"
  else
    mapfile -t "$1" </dev/null
  fi
}

# One line per installed mod: its ModKey.
_orvanectl_mods() {
  local line
  local -a lines
  _orvanectl_lines lines "$1" mods
  for line in "${lines[@]}"; do
    [[ -z $line || $line == $'\t'* || $line == *$'\t'"not offered"* ]] && continue
    printf '%s\n' "${line%%$'\t'*}"
  done
}

# The usable bots of a mod, as "orvanectl mods" lists them below it
# ("<TAB>* name" for the chosen one, "<TAB>  name" for the others).
_orvanectl_bots() {
  local line in_mod=0
  local -a lines
  _orvanectl_lines lines "$1" mods
  for line in "${lines[@]}"; do
    if [[ $line != $'\t'* ]]; then
      [[ ${line%%$'\t'*} == "$2" ]] && in_mod=1 || in_mod=0
    elif ((in_mod)) && [[ ${line:1:1} != - ]]; then
      printf '%s\n' "${line:3}"
    fi
  done
}

# The candidates that start with $1, quoted for the command line; $2 is put
# before each (the "CONTROL=" a value follows when "=" does not split words).
_orvanectl_reply() {
  local match=$1 before=$2 c quoted
  shift 2
  for c; do
    [[ $c == "$match"* ]] || continue
    printf -v quoted '%q' "$c" # no subshell: a TAB may offer hundreds
    COMPREPLY+=("$before$quoted")
  done
}

_orvanectl() {
  local cmd=${1:-orvanectl}
  COMPREPLY=()
  # bash splits CONTROL=VALUE at "=" (COMP_WORDBREAKS): the pieces are joined
  # back where nothing separates them on the line.
  local -a words=()
  local line=${COMP_LINE:0:${COMP_POINT:-${#COMP_LINE}}} pos=0 i w rest gap
  for ((i = 0; i <= COMP_CWORD; i++)); do
    w=${COMP_WORDS[i]}
    rest=${line:pos}
    rest=${rest#"${rest%%[![:space:]]*}"}
    gap=$((${#line} - pos - ${#rest}))
    pos=$((pos + gap + ${#w}))
    if ((i > 0 && gap == 0)) && [[ $w == "=" || ${words[-1]} == *= ]]; then
      words[-1]+=$w
    else
      words+=("$w")
    fi
  done
  local n=${#words[@]} cur=${words[-1]}
  # What was typed, unquoted as the shell will pass it.
  cur=${cur//\\/}
  cur=${cur#[\"\']}
  local mod=${words[2]:-}
  local -a found

  if ((n == 2)); then
    _orvanectl_reply "$cur" "" mods launch config directory command restore --help --version
    return
  fi
  case ${words[1]} in
    launch | restore)
      if ((n == 3)); then
        mapfile -t found < <(_orvanectl_mods "$cmd")
        _orvanectl_reply "$cur" "" "${found[@]}"
      elif [[ ${words[1]} == launch && ${words[n - 2]} == --bot ]]; then
        mapfile -t found < <(_orvanectl_bots "$cmd" "$mod")
        _orvanectl_reply "$cur" "" "${found[@]}"
      elif [[ ${words[1]} == launch ]]; then
        _orvanectl_reply "$cur" "" --bot --no-start --detach
      else
        _orvanectl_reply "$cur" "" --dry-run
      fi
      ;;
    config)
      if ((n == 3)); then
        mapfile -t found < <(_orvanectl_mods "$cmd")
        _orvanectl_reply "$cur" "" "${found[@]}"
        return
      fi
      local -a bot=()
      local at=3
      if [[ ${words[3]} == --bot ]]; then
        if ((n == 5)); then
          mapfile -t found < <(_orvanectl_bots "$cmd" "$mod")
          _orvanectl_reply "$cur" "" "${found[@]}"
          return
        fi
        local name=${words[4]//\\/}
        name=${name#[\"\']}
        bot=(--bot "${name%[\"\']}")
        at=5
      fi
      if ((n == at + 1)); then
        _orvanectl_reply "$cur" "" show set items
        ((at == 3)) && _orvanectl_reply "$cur" "" --bot
        return
      fi
      [[ ${words[at]} == set || ${words[at]} == items ]] || return
      if [[ ${words[at]} == set && $cur == *=* ]]; then
        local control=${cur%%=*} before=""
        [[ $COMP_WORDBREAKS == *=* ]] || before="$control="
        _orvanectl_lines found "$cmd" config "$mod" "${bot[@]}" items "$control"
        _orvanectl_reply "${cur#*=}" "$before" "${found[@]}"
        return
      fi
      [[ ${words[at]} == items ]] && ((n > at + 2)) && return
      local entry
      local -a shown
      _orvanectl_lines shown "$cmd" config "$mod" "${bot[@]}" show
      found=()
      for entry in "${shown[@]}"; do
        [[ $entry == *=* ]] && found+=("${entry%%=*}")
      done
      if [[ ${words[at]} == set ]]; then
        _orvanectl_reply "$cur" "" "${found[@]/%/=}"
        compopt -o nospace 2>/dev/null
      else
        _orvanectl_reply "$cur" "" "${found[@]}"
      fi
      ;;
    directory)
      if [[ ${words[n - 2]} == --program ]]; then
        _orvanectl_reply "$cur" "" hl.exe cstrike.exe
      elif [[ $cur == -* ]]; then
        _orvanectl_reply "$cur" "" --program
      else
        mapfile -t COMPREPLY < <(compgen -d -- "$cur")
        compopt -o filenames 2>/dev/null
      fi
      ;;
  esac
}
complete -F _orvanectl orvanectl
