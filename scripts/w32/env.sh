# Where scripts/setup-w32 keeps the 32-bit Wine, and what runs it; sourced
# by scripts/setup-w32 and tests/e2e/wine-run.
W32_HOME=${TORVANE_W32_HOME:-/opt/torvane-w32}
W32_ROOT=$W32_HOME/root

# w32_environment: exports what makes "$WINELOADER" Debian's i386 Wine,
# started through binfmt_misc by qemu-i386 with the private root as its /.
w32_environment() {
  export QEMU_LD_PREFIX=$W32_ROOT
  # qemu 7.2's AVX emulation crashes llvmpipe's 256-bit code: no AVX.
  export QEMU_CPU=${QEMU_CPU:-max,-avx,-avx2,-fma,-f16c}
  export WINELOADER=$W32_ROOT/usr/lib/wine/wine
}
