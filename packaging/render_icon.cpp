// velmora_icon: writes the program's seal as PNG files for the desktop entry, one per size.
//
//   velmora_icon OUTDIR SIZE...     (writes OUTDIR/velmora-SIZE.png)
//
// Run by the build on Qt's offscreen platform, so the installed icon is the very seal the
// window draws.
#include "app/view/backdrop.h"

#include <QDir>
#include <QGuiApplication>

#include <cstdio>

int main(int argc, char* argv[]) {
  QGuiApplication app(argc, argv);
  const QStringList args = QGuiApplication::arguments().mid(1);
  if (args.size() < 2) {
    std::fputs("usage: velmora_icon OUTDIR SIZE...\n", stderr);
    return 2;
  }
  QDir().mkpath(args[0]);
  for (const QString& text : args.mid(1)) {
    const int size = text.toInt();
    const QString path = args[0] + QStringLiteral("/velmora-%1.png").arg(size);
    if (size <= 0 || !velmora::backdrop::SealPicture(size).save(path)) {
      std::fprintf(stderr, "velmora_icon: cannot write %s\n", path.toUtf8().constData());
      return 1;
    }
  }
  return 0;
}
