# SPDX-License-Identifier: GPL-3.0-or-later
# Copies the program directory for the smoke test, without any user database.
file(REMOVE_RECURSE ${SMOKE_DIR})
file(COPY ${PROGRAM_DIR}/ DESTINATION ${SMOKE_DIR}/bin)
file(REMOVE ${SMOKE_DIR}/bin/BXUSER.mdb)
