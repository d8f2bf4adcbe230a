# bash completion for vantrel-convert (zsh's _vantrel-convert runs it too).
# The category, unit and ellipsoid names come from the program itself, so
# the custom units and categories of the settings file are offered too.

# The program being completed when it can be run, else the installed one.
_vantrel_convert_program() {
  local program=${COMP_WORDS[0]}
  [[ $program == "~/"* ]] && program=$HOME/${program#"~/"}
  [[ -x $program ]] || command -v -- "$program" >/dev/null 2>&1 || program=vantrel-convert
  printf '%s' "$program"
}

# A word as the shell would pass it: quotes and backslashes removed.
_vantrel_convert_dequote() {
  local word=$1 out= quote= c i
  for ((i = 0; i < ${#word}; i++)); do
    c=${word:$i:1}
    if [[ $quote == "'" ]]; then
      [[ $c == "'" ]] && quote= || out+=$c
    elif [[ $c == '\' ]]; then
      ((i++))
      out+=${word:$i:1}
    elif [[ -n $quote ]]; then
      [[ $c == '"' ]] && quote= || out+=$c
    elif [[ $c == "'" || $c == '"' ]]; then
      quote=$c
    else
      out+=$c
    fi
  done
  printf '%s' "$out"
}

# Adds the lines of standard input that begin with the word being completed,
# quoted for the shell. Inside an opened quote readline completes the text
# after the quote and closes it itself, so the names go in as they are.
_vantrel_convert_offer() {
  local cur=$1 quote= name
  # "--format=sc" as one word: the candidates keep the option in front.
  local option=
  if [[ $cur == --*=* ]]; then
    option=${cur%%=*}=
    cur=${cur#*=}
  fi
  if [[ $cur == [\"\']* ]]; then
    quote=${cur:0:1}
    cur=${cur:1}
  else
    cur=$(_vantrel_convert_dequote "$cur")
  fi
  while IFS= read -r name; do
    [[ -n $name && $name == "$cur"* ]] || continue
    if [[ -n $quote ]]; then
      COMPREPLY+=("$option$name")
    else
      COMPREPLY+=("$option$(printf '%q' "$name")")
    fi
  done
}

_vantrel_convert_categories() {
  "$(_vantrel_convert_program)" --categories 2>/dev/null | cut -f1
}

# Unit names and abbreviations, of one category when one is given.
_vantrel_convert_units() {
  "$(_vantrel_convert_program)" --list ${1:+--category "$1"} 2>/dev/null |
    awk -F '\t' '{ print $2; if ($3 != " " && $3 != "") print $3 }' | sort -u
}

_vantrel_convert_ellipsoids() {
  "$(_vantrel_convert_program)" --ellipsoids 2>/dev/null | cut -f1,2 | tr '\t' '\n'
}

# The category of a unit, when the name leads to one.
_vantrel_convert_category_of() {
  "$(_vantrel_convert_program)" --info -- "$1" 2>/dev/null | awk -F '\t' '$1 == "category" { print $2 }'
}

_vantrel_convert() {
  COMPREPLY=()
  local cword=$COMP_CWORD
  local -a words=("${COMP_WORDS[@]}")
  local cur=${words[cword]} prev=${words[cword - 1]}
  # "--format=fi": bash splits at "=", so the option is one word further back;
  # zsh keeps it one word.
  if [[ $cur == = ]]; then
    cur=
  elif [[ $prev == = ]]; then
    prev=${words[cword - 2]}
  elif [[ $cur == --*=* ]]; then
    prev=${cur%%=*}
  fi

  case $prev in
    --category)
      _vantrel_convert_offer "$cur" < <(_vantrel_convert_categories)
      return ;;
    --format)
      _vantrel_convert_offer "$cur" < <(printf '%s\n' auto scientific fixed)
      return ;;
    --precision)
      # Digits after the point for the units, digits per axis for --mgrs.
      if [[ ${words[1]} == --mgrs ]]; then
        _vantrel_convert_offer "$cur" < <(printf '%s\n' 0 1 2 3 4 5)
      else
        _vantrel_convert_offer "$cur" < <(printf '%s\n' 0 1 2 3 4 5 6 7 8)
      fi
      return ;;
    --ellipsoid)
      _vantrel_convert_offer "$cur" < <(_vantrel_convert_ellipsoids)
      return ;;
    --method)
      _vantrel_convert_offer "$cur" < <(printf '%s\n' exact classic)
      return ;;
    --zone)
      return ;;
  esac

  # The arguments so far: options with their values apart, the rest in order.
  local -a positional=()
  local mode= category= word i=1
  while ((i < cword)); do
    word=${words[i]}
    case $word in
      --category | --format | --precision | --ellipsoid | --method | --zone)
        if [[ ${words[i + 1]} == = ]]; then
          [[ $word == --category ]] && category=$(_vantrel_convert_dequote "${words[i + 2]}")
          ((i += 3))
        else
          [[ $word == --category ]] && category=$(_vantrel_convert_dequote "${words[i + 1]}")
          ((i += 2))
        fi
        continue ;;
      --category=*) category=$(_vantrel_convert_dequote "${word#*=}") ;;
      --eval | --utm | --latlong | --mgrs | --ellipsoids | --batch | --list | --categories | --info | --all)
        mode=$word ;;
      -[0-9.]* | -) positional+=("$word") ;;
      -*) ;;
      *) positional+=("$word") ;;
    esac
    ((i++))
  done

  if [[ $cur == -* && $cur != -[0-9.]* ]]; then
    local -a options=()
    case $mode in
      --eval) ((cword == 2)) && options=(--diagnostics) ;;
      --utm) options=(--exact --method --zone --ellipsoid) ;;
      --latlong) options=(--south --exact --method --ellipsoid) ;;
      --mgrs) options=(--precision) ;;
      --ellipsoids) ;;
      *)
        options=(--category --format --precision --all --batch --list --categories --info --help
          --version)
        ((cword == 1)) && options+=(--eval --utm --latlong --mgrs --ellipsoids) ;;
    esac
    _vantrel_convert_offer "$cur" < <(printf '%s\n' "${options[@]}")
    return
  fi

  local count=${#positional[@]}
  case $mode in
    --list)
      ((count == 0)) && [[ -z $category ]] &&
        _vantrel_convert_offer "$cur" < <(_vantrel_convert_categories) ;;
    --info)
      ((count == 0)) && _vantrel_convert_offer "$cur" < <(_vantrel_convert_units "$category") ;;
    '' | --all)
      # VALUE FROM TO: TO from FROM's category when FROM names one.
      if ((count == 1)); then
        _vantrel_convert_offer "$cur" < <(_vantrel_convert_units "$category")
      elif ((count == 2)) && [[ $mode != --all ]]; then
        [[ -z $category ]] &&
          category=$(_vantrel_convert_category_of "$(_vantrel_convert_dequote "${positional[1]}")")
        _vantrel_convert_offer "$cur" < <(_vantrel_convert_units "$category")
      fi ;;
  esac
}

complete -F _vantrel_convert vantrel-convert
