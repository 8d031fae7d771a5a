#!/usr/bin/env bash
# Makes 32-bit x86 programs runnable. Some kernels (virtual machines without IA32
# emulation) refuse them; there the qemu-i386 user-mode emulator is registered with
# binfmt_misc, so tests and the programs they start run transparently.
set -euo pipefail
probe_dir=$(mktemp -d)
trap 'rm -rf "$probe_dir"' EXIT
printf 'int main(void) { return 0; }\n' > "$probe_dir/probe.c"
gcc -m32 -o "$probe_dir/probe" "$probe_dir/probe.c"
if "$probe_dir/probe" 2>/dev/null; then
  echo "enable-i386: the kernel runs i386 programs"
  exit 0
fi
[ -f /proc/sys/fs/binfmt_misc/register ] || mount -t binfmt_misc binfmt_misc /proc/sys/fs/binfmt_misc
if [ ! -e /proc/sys/fs/binfmt_misc/qemu-i386 ]; then
  magic='\x7fELF\x01\x01\x01\x00\x00\x00\x00\x00\x00\x00\x00\x00\x02\x00\x03\x00'
  mask='\xff\xff\xff\xff\xff\xfe\xfe\x00\xff\xff\xff\xff\xff\xff\xff\xff\xfe\xff\xff\xff'
  echo ":qemu-i386:M::${magic}:${mask}:$(command -v qemu-i386):F" > /proc/sys/fs/binfmt_misc/register
fi
"$probe_dir/probe"
echo "enable-i386: i386 programs run through qemu-i386"
