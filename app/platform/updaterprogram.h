#ifndef UPDATERPROGRAM_H
#define UPDATERPROGRAM_H

// An update package holds two bundles at its top level: the updater and the
// application it installs. On Linux a bundle is a folder; the updater's
// program is this file directly inside its bundle folder.
namespace UpdaterProgram {

// The updater bundle and the application bundle, as the package names them.
constexpr char updaterBundle[] = "kolvaneliteupgrade.app";
constexpr char applicationBundle[] = "Kolvane vave.app";

// The program inside the updater bundle that is started.
constexpr char program[] = "kolvaneliteupgrade";

} // namespace UpdaterProgram

#endif // UPDATERPROGRAM_H
