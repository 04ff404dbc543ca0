# Run by cpack after it has written the package. A .deb is an ar archive of three
# members, and cpack takes each member's mode from the temporary file it wrote, which
# follows the umask of whoever runs cpack. Every member header gets the mode that
# dpkg-deb writes, 100644, so the package is the same bytes under any umask. (An ar
# member header is 60 bytes: name 16, time 12, owner 6, group 6, mode 8, size 10,
# magic 2; each member's data is padded to an even length.)
foreach(paket IN LISTS CPACK_PACKAGE_FILES)
  if(paket MATCHES "\\.deb$")
    execute_process(
      COMMAND perl -e [[
        my $f = shift;
        open(my $h, '+<', $f) or die "$f: $!\n";
        binmode $h;
        my $magic;
        read($h, $magic, 8) == 8 && $magic eq "!<arch>\n" or die "$f: not an ar archive\n";
        my $pos = 8;
        while (read($h, my $kopf, 60) == 60) {
          substr($kopf, 58, 2) eq "`\n" or die "$f: broken member header at $pos\n";
          my $size = substr($kopf, 48, 10) + 0;
          seek($h, $pos + 40, 0);
          print $h sprintf('%-8s', '100644');
          $pos += 60 + $size + ($size % 2);
          seek($h, $pos, 0);
        }
        close($h) or die "$f: $!\n";
      ]] "${paket}"
      COMMAND_ERROR_IS_FATAL ANY)
  endif()
endforeach()
