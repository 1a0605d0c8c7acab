# Calls orvanectl's bash completion as bash does on TAB.
# usage: bash complete.bash COMPLETION-FILE ORVANECTL LINE
# Sets COMP_LINE, COMP_WORDS and COMP_CWORD as bash does for LINE typed up to
# the cursor (a break at each blank and around each "="; a backslash keeps
# the next character in the word), calls the completion function and prints
# COMPREPLY, one per line.
source "$1"
COMP_LINE=$3
COMP_POINT=${#COMP_LINE}
COMP_WORDS=()
w=""
for ((i = 0; i < ${#COMP_LINE}; i++)); do
  c=${COMP_LINE:i:1}
  if [[ $c == '\' ]]; then
    w+=$c${COMP_LINE:i+1:1}; ((i++))
  elif [[ $c == ' ' ]]; then
    [[ -n $w ]] && COMP_WORDS+=("$w"); w=""
  elif [[ $c == '=' ]]; then
    [[ -n $w ]] && COMP_WORDS+=("$w"); COMP_WORDS+=("="); w=""
  else
    w+=$c
  fi
done
[[ -n $w || $COMP_LINE == *' ' ]] && COMP_WORDS+=("$w")
COMP_CWORD=$((${#COMP_WORDS[@]} - 1))
_orvanectl "$2"
((${#COMPREPLY[@]})) && printf '%s\n' "${COMPREPLY[@]}"
exit 0
