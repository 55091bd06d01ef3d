#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# Stands in for pppd in the dialer tests: records its arguments and the password
# it got on fd 3, then replays a pppd log transcript on stderr ("sleep N" pauses,
# "exit N" ends with that status, "#" lines are notes). The transcripts are what
# pppd and chat said on real links in the PPP test guest (tests/ppp-guest).
printf '%s\n' "$@" > "$FAKE_PPPD_DIR/args"
{ cat <&3 > "$FAKE_PPPD_DIR/password"; } 2>/dev/null
while IFS= read -r line; do
    case "$line" in
        sleep\ *) sleep "${line#sleep }" ;;
        \#*) ;;
        exit\ *) exit "${line#exit }" ;;
        *) printf '%s\n' "$line" >&2 ;;
    esac
done < "$FAKE_PPPD_TRANSCRIPT"
exit 0
