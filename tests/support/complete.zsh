# Calls orvanectl's zsh completion as zsh does on TAB.
# usage: zsh -f complete.zsh COMPLETION-FILE ORVANECTL LINE
# zsh's completion builtins stood in for: compadd prints each offer that
# matches PREFIX as the whole word it makes (IPREFIX, the offer, its suffix).
compadd() {
  local suffix="" array=""
  while (( $# )); do
    case $1 in
      (-S) suffix=$2; shift 2 ;;
      (-a) array=$2; shift 2 ;;
      (--) shift; break ;;
      (*) break ;;
    esac
  done
  local -a offered
  if [[ -n $array ]]; then offered=("${(@P)array}"); else offered=("$@"); fi
  local w
  for w in $offered; do [[ $w == ${PREFIX}* ]] && print -r -- "$IPREFIX$w$suffix"; done
}
compset() {
  [[ $1 == -P && $PREFIX == *=* ]] || return 1
  IPREFIX=${PREFIX%=*}=; PREFIX=${PREFIX##*=}
}
_files() { print -r -- "<directories>"; }
words=(${(z)3})
[[ $3 == *' ' ]] && words+=('')
words[1]=$2
CURRENT=${#words}
PREFIX=${(Q)words[CURRENT]}
IPREFIX=
fpath=(${1:h} $fpath)
autoload -Uz _orvanectl
_orvanectl
exit 0
