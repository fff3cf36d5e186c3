# bash completion for aerodex-cli                       -*- shell-script -*-
# Installed as /usr/share/bash-completion/completions/aerodex-cli.

_aerodex_cli_options() {
  case $1 in
    currency) echo "--now --explain --json" ;;
    status) echo "--now --explain" ;;
    import) echo "--format --map --keep-extra --include-duplicates --dry-run -o" ;;
    export) echo "--format" ;;
    restore) echo "-o" ;;
    report) echo "--from --to --last --aircraft --model --class --complex --high-performance" \
      "--tailwheel --multi-engine --text --by --now --json" ;;
    pdf) echo "--view --night-subtotals --now" ;;
  esac
}

# The values an option takes, or nothing when it takes free text.
_aerodex_cli_values() {
  case $2 in
    --format)
      if [[ $1 == import ]]; then
        echo "auto aerodex foreflight myflightbook logten csv"
      else
        echo "foreflight myflightbook csv"
      fi
      ;;
    --keep-extra) echo "all none" ;;
    --view) echo "all nnumber annual" ;;
    --last) echo "30d 60d 90d 6m 12m 24m" ;;
    --class) echo "ASEL AMEL ASES AMES Helicopter Gyroplane Glider Airship Balloon" ;;
    --by) echo "month year aircraft model class" ;;
  esac
}

_aerodex_cli() {
  local cur prev words cword
  _init_completion || return
  if ((cword == 1)); then
    COMPREPLY=($(compgen -W "dump resave csv currency status check import export backups
      restore report pdf --help --version" -- "$cur"))
    return
  fi
  local command=${words[1]}
  case $prev in
    --format | --keep-extra | --view | --last | --class | --by)
      COMPREPLY=($(compgen -W "$(_aerodex_cli_values "$command" "$prev")" -- "$cur"))
      return
      ;;
    --now | --map | --from | --to | --aircraft | --model | --text) return ;;
    -o)
      _filedir adx
      return
      ;;
  esac
  # Options until a "--"; files after it.
  local i
  for ((i = 2; i < cword; i++)); do
    [[ ${words[i]} == -- ]] && { _filedir; return; }
  done
  if [[ $cur == -?* ]]; then
    COMPREPLY=($(compgen -W "$(_aerodex_cli_options "$command") --help --" -- "$cur"))
    return
  fi
  if [[ $command == report && ${words[cword - 1]} == *.adx ]]; then
    COMPREPLY=($(compgen -W "8710 totals" -- "$cur"))
    return
  fi
  case $command in
    dump | currency | status | check | backups) _filedir adx ;;
    pdf) _filedir '@(adx|pdf)' ;;
    csv) _filedir '@(adx|csv)' ;;
    *) _filedir ;;
  esac
}
complete -F _aerodex_cli aerodex-cli
