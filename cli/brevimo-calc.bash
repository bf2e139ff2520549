# SPDX-License-Identifier: GPL-3.0-or-later
# bash completion for brevimo-calc: commands, their options and the words
# an option takes. The lists follow the program's --help (a test checks).

_brevimo_calc() {
  local cur prev command word
  COMPREPLY=()
  cur=${COMP_WORDS[COMP_CWORD]}
  prev=${COMP_WORDS[COMP_CWORD - 1]}

  local commands="convert density boiling correct dilute mix output vacuum sugar run plan batch"
  local common="--json --digits --help"
  for word in "${COMP_WORDS[@]:1:COMP_CWORD-1}"; do
    case " $commands " in
    *" $word "*) command=$word && break ;;
    esac
  done

  # The words of an option that takes one of a few.
  case $prev in
  --from | --unit) COMPREPLY=($(compgen -W "vol mass mol" -- "$cur")) && return ;;
  --contraction) COMPREPLY=($(compgen -W "on off" -- "$cur")) && return ;;
  --per) COMPREPLY=($(compgen -W "s min h" -- "$cur")) && return ;;
  --pressure-unit) COMPREPLY=($(compgen -W "mmhg cmh2o kpa at atm bar psi" -- "$cur")) && return ;;
  --substance) COMPREPLY=($(compgen -W "ethanol water" -- "$cur")) && return ;;
  --digits) COMPREPLY=($(compgen -W "0 1 2 3 4 5 6" -- "$cur")) && return ;;
  esac

  local options
  case $command in
  convert) options="--from --value --amount --contraction" ;;
  density) options="--density" ;;
  boiling) options="--liquid --unit --temperature" ;;
  correct) options="--reading --temperature --to" ;;
  dilute) options="--strength --target --spirit --water --result" ;;
  mix) options="--volume1 --strength1 --volume2 --strength2 --volume --strength" ;;
  output) options="--power --losses --reflux --strength --per" ;;
  vacuum) options="--strength --unit --pressure --pressure-unit --temperature --substance" ;;
  sugar)
    options="--sugar-per-litre --density --sugar-per-kg --sugar-weight --water-volume"
    options+=" --result-volume --result-weight"
    ;;
  run) options="--start-temperature --start-strength --end-temperature --end-strength --wash --steps" ;;
  plan) options="--volume --strength --temperature --plates --reflux --power --losses --heads --hearts-end-strength --hearts-end-temperature --end-strength --end-temperature --steps" ;;
  batch) options="" ;;
  *)
    if [[ $cur == -* ]]; then
      COMPREPLY=($(compgen -W "$common --help-all --version" -- "$cur"))
    else
      COMPREPLY=($(compgen -W "$commands" -- "$cur"))
    fi
    return
    ;;
  esac
  [[ $cur == -* || -z $cur ]] && COMPREPLY=($(compgen -W "$options $common" -- "$cur"))
}
complete -F _brevimo_calc brevimo-calc
