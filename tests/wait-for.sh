# Sourced by the check scripts that start programs and read their logs.
# Waits up to $1 seconds for the extended regular expression $2 in file $3.
wait_for() {
    local deadline=$((SECONDS + $1))
    while [ $SECONDS -lt $deadline ]; do
        grep -Eq "$2" "$3" 2>/dev/null && return 0
        sleep 0.2
    done
    return 1
}
