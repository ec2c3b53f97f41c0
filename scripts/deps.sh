# Installs the Debian packages VIRK needs when some are missing (sourced by scripts/run and scripts/test).
# libmuparser-dev and libfparser-dev: only the evaluator comparison benchmark links them.
virk_paquets="cmake g++ make qt6-base-dev qt6-svg-dev qt6-multimedia-dev qt6-translations-l10n libgl-dev libjpeg-dev libgtest-dev googletest libbenchmark-dev libmuparser-dev libfparser-dev clang libclang-rt-14-dev xvfb xauth sox poppler-utils libwmf-bin texlive-latex-base texlive-pstricks ghostscript"
virk_manquants=""
for p in $virk_paquets; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || virk_manquants="$virk_manquants $p"
done
if [ -n "$virk_manquants" ]; then
  echo "Installation des paquets :$virk_manquants"
  if [ "$(id -u)" -eq 0 ]; then sudo_cmd=""; else sudo_cmd="sudo"; fi
  $sudo_cmd apt-get update -qq || true
  DEBIAN_FRONTEND=noninteractive $sudo_cmd apt-get install -y -qq $virk_manquants
fi
