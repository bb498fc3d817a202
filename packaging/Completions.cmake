# Writes the bash, zsh and fish completions of zelvane-cli from what `zelvane-cli --help` says,
# so they list exactly the commands and options the built program has.
#   cmake -DCLI=path/to/zelvane-cli -DOUTPUT_DIR=dir -P Completions.cmake
cmake_minimum_required(VERSION 3.25)
execute_process(COMMAND "${CLI}" --help OUTPUT_VARIABLE help RESULT_VARIABLE status)
if(NOT status EQUAL 0)
    message(FATAL_ERROR "${CLI} --help failed: ${status}")
endif()
string(REPLACE ";" "@SEMICOLON@" help "${help}")
string(REPLACE "\n" ";" lines "${help}")

# A command is listed as "  NAME USAGE" with its summary on the next line, six spaces in.
set(commands)
set(expecting_summary "")
foreach(line IN LISTS lines)
    if(expecting_summary AND line MATCHES "^      (.*)$")
        set(summary_${expecting_summary} "${CMAKE_MATCH_1}")
        set(expecting_summary "")
    elseif(line MATCHES "^  ([a-z][a-z-]*) (.*)$")
        set(name "${CMAKE_MATCH_1}")
        set(usage "${CMAKE_MATCH_2}")
        list(APPEND commands "${name}")
        # Options, those that take a value (followed by an upper-case word), and sub-words.
        string(REGEX MATCHALL "--[a-z][a-z-]*" options_${name} "${usage}")
        string(REGEX MATCHALL "--[a-z][a-z-]* [A-Z]" valued "${usage}")
        string(REGEX REPLACE " [A-Z]" "" valued_${name} "${valued}")
        string(REGEX MATCHALL "(^| )[a-z]+" sub "${usage}")
        string(REPLACE " " "" words_${name} "${sub}")
        set(expecting_summary "${name}")
    endif()
endforeach()
if(NOT commands)
    message(FATAL_ERROR "no commands found in `${CLI} --help`")
endif()
set(global_options --lang --help --version)

function(quoted_for_shell text out)
    string(REPLACE "@SEMICOLON@" ";" text "${text}")
    string(REPLACE "'" "'\\''" text "${text}")
    set(${out} "'${text}'" PARENT_SCOPE)
endfunction()

# bash
list(JOIN commands " " command_words)
list(JOIN global_options " " global_words)
set(bash_cases "")
foreach(name IN LISTS commands)
    set(all ${words_${name}} ${options_${name}} --help)
    list(JOIN all " " all)
    string(APPEND bash_cases "        ${name}) words=\"${all}\" ;;\n")
endforeach()
file(WRITE "${OUTPUT_DIR}/zelvane-cli.bash"
"# bash completion for zelvane-cli
_zelvane_cli() {
    local cur=\${COMP_WORDS[COMP_CWORD]} command=\"\" words i
    for ((i = 1; i < COMP_CWORD; i++)); do
        case \${COMP_WORDS[i]} in
            --lang) ((i++)) ;;
            -*) ;;
            *) command=\${COMP_WORDS[i]}; break ;;
        esac
    done
    case \$command in
        \"\") words=\"${global_words} ${command_words}\" ;;
${bash_cases}        *) words=\"\" ;;
    esac
    COMPREPLY=(\$(compgen -W \"\$words\" -- \"\$cur\"))
}
complete -F _zelvane_cli zelvane-cli
")

# zsh
set(zsh_commands "")
set(zsh_cases "")
foreach(name IN LISTS commands)
    string(REPLACE ":" "\\:" summary "${summary_${name}}")
    quoted_for_shell("${name}:${summary}" entry)
    string(APPEND zsh_commands "        ${entry}\n")
    set(all ${words_${name}} ${options_${name}} --help)
    list(JOIN all " " all)
    string(APPEND zsh_cases "        ${name}) compadd -- ${all} ;;\n")
endforeach()
file(WRITE "${OUTPUT_DIR}/_zelvane-cli"
"#compdef zelvane-cli
_zelvane-cli() {
    local -a commands
    commands=(
${zsh_commands}    )
    local i command=\"\"
    for ((i = 2; i < CURRENT; i++)); do
        case \$words[i] in
            --lang) ((i++)) ;;
            -*) ;;
            *) command=\$words[i]; break ;;
        esac
    done
    case \$command in
        '') _describe -t commands 'zelvane-cli command' commands; compadd -- ${global_words} ;;
${zsh_cases}    esac
}
_zelvane-cli \"\$@\"
")

# fish
set(fish "# fish completion for zelvane-cli\ncomplete -c zelvane-cli -f\n")
string(APPEND fish "complete -c zelvane-cli -s h -l help -d 'Show help'\n")
string(APPEND fish "complete -c zelvane-cli -n __fish_use_subcommand -l version -d 'Show the version'\n")
string(APPEND fish "complete -c zelvane-cli -n __fish_use_subcommand -l lang -r -d 'Language of names and texts'\n")
foreach(name IN LISTS commands)
    quoted_for_shell("${summary_${name}}" summary)
    string(APPEND fish "complete -c zelvane-cli -n __fish_use_subcommand -a ${name} -d ${summary}\n")
    set(condition "'__fish_seen_subcommand_from ${name}'")
    foreach(word IN LISTS words_${name})
        string(APPEND fish "complete -c zelvane-cli -n ${condition} -a ${word}\n")
    endforeach()
    foreach(option IN LISTS options_${name})
        string(REGEX REPLACE "^--" "" long "${option}")
        set(argument "")
        if(option IN_LIST valued_${name})
            set(argument " -r")
        endif()
        string(APPEND fish "complete -c zelvane-cli -n ${condition} -l ${long}${argument}\n")
    endforeach()
endforeach()
file(WRITE "${OUTPUT_DIR}/zelvane-cli.fish" "${fish}")
