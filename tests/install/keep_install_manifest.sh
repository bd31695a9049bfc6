# Sourced by the install tests. Their cmake --install and cpack rewrite the
# build's install_manifest.txt, which lists what a user's own cmake --install
# put where, the one record for removing it again: keep_install_manifest
# BUILD_DIR WORK_DIR saves it, and puts it back when the test script exits
# (after removing WORK_DIR). CMakeLists.txt keeps the tests from overlapping.
keep_install_manifest() {
  local manifest="$1/install_manifest.txt" saved="$2/install_manifest.saved"
  if [ -f "$manifest" ]; then cp -p "$manifest" "$saved"; fi
  # shellcheck disable=SC2064  # the paths are fixed now, on purpose
  trap "if [ -f '$saved' ]; then cp -p '$saved' '$manifest'; else rm -f '$manifest'; fi
        rm -rf '$2'" EXIT
}
