#!/usr/bin/env python3
"""Builds the Windows installer (an MSI) from the packed program folder with
msitools: wixl compiles packaging/windows/mirosuta.wxs and a list of the
folder's files made here, and msibuild then gives the database its Japanese
names.

wixl stores a table's strings only in the ANSI code page (its Codepage
attribute sets the summary's alone), where every Japanese name comes out
empty, and wixl-heat stops at a Japanese file name. So each Japanese name
(the folder ミロスタ, the content folders and files, the shortcuts, the
product and its publisher) goes to wixl as an ASCII stand-in; msibuild then
sets the database's code page to 932 (Shift_JIS, as Japanese Windows reads
it) and puts each name in place of its stand-in.

    make_msi.py FOLDER ICON VERSION OUT.msi
"""
import hashlib
import os
import re
import subprocess
import sys
import tempfile
import uuid

HERE = os.path.dirname(os.path.abspath(__file__))
# Where a stand-in may stand, table and column.
COLUMNS = [("Directory", "DefaultDir"), ("File", "FileName"), ("Shortcut", "Name"),
           ("Shortcut", "Description"), ("Property", "Value"), ("LaunchCondition", "Description"),
           ("Feature", "Title"), ("Feature", "Description")]
# Components keep their identity from one version to the next (an upgrade
# replaces them in place): their GUIDs are made from their paths.
NAMESPACE = uuid.UUID("6b1c1f3e-7d52-4c8e-9a57-2f4c1d7e0b93")


class StandIns:
    def __init__(self):
        self.names = {}

    def __call__(self, text):
        if text.isascii():
            return text
        for key, value in self.names.items():
            if value == text:
                return key
        key = f"zj{len(self.names):04d}"
        self.names[key] = text
        return key


def ident(prefix, path):
    return prefix + hashlib.sha1(path.encode()).hexdigest()[:24].upper()


def attr(text):
    return text.replace("&", "&amp;").replace('"', "&quot;").replace("<", "&lt;")


def files_fragment(folder, stand_in):
    """One component per file, below INSTALLDIR, as the folder holds them."""
    lines = ['<?xml version="1.0" encoding="utf-8"?>',
             '<Wix xmlns="http://schemas.microsoft.com/wix/2006/wi"><Fragment>']
    components = []

    def walk(rel):
        here = os.path.join(folder, rel)
        for name in sorted(os.listdir(here)):
            path = os.path.join(rel, name) if rel else name
            if os.path.isdir(os.path.join(folder, path)):
                lines.append(f'<Directory Id="{ident("d", path)}" Name="{attr(stand_in(name))}">')
                walk(path)
                lines.append("</Directory>")
            else:
                cid = ident("c", path)
                guid = str(uuid.uuid5(NAMESPACE, path.replace(os.sep, "/"))).upper()
                components.append(cid)
                lines.append(f'<Component Id="{cid}" Guid="{guid}" Win64="yes">'
                             f'<File Id="{ident("f", path)}" Name="{attr(stand_in(name))}" '
                             f'KeyPath="yes" Source="files/{attr(path)}"/></Component>')

    lines.append('<DirectoryRef Id="INSTALLDIR">')
    walk("")
    lines.append("</DirectoryRef></Fragment><Fragment><ComponentGroup Id=\"ProgramFiles\">")
    lines += [f'<ComponentRef Id="{c}"/>' for c in components]
    lines.append("</ComponentGroup></Fragment></Wix>")
    return "\n".join(lines) + "\n"


def export(msi, table):
    """A table's rows as text (msiinfo writes them in UTF-8). It writes a
    table's binary streams (the Icon table's) into a folder where it runs, so
    it runs beside the package, not in the checkout."""
    return subprocess.run(["msiinfo", "export", os.path.basename(msi), table],
                          cwd=os.path.dirname(os.path.abspath(msi)),
                          env=dict(os.environ, LC_ALL="C.UTF-8"),
                          check=True, capture_output=True, text=True).stdout


def main():
    folder, icon, version, out = sys.argv[1:5]
    stand_in = StandIns()
    with tempfile.TemporaryDirectory(prefix="mirosuta-msi-") as work:
        # wixl reads sources relative to where it runs, by ASCII paths.
        os.symlink(os.path.abspath(folder), os.path.join(work, "files"))
        os.symlink(os.path.abspath(icon), os.path.join(work, "mirosuta.ico"))
        with open(os.path.join(HERE, "mirosuta.wxs"), encoding="utf-8") as f:
            product = f.read()
        # Every Japanese attribute value of the tables becomes a stand-in; the
        # package's own (the summary that Explorer shows) wixl writes whole.
        package = re.search(r"<Package\b[^>]*>", product)
        japanese = re.compile(r'="([^"]*[^\x00-\x7f][^"]*)"')

        def standing_in(text):
            return japanese.sub(lambda m: f'="{stand_in(m.group(1))}"', text)

        product = (standing_in(product[:package.start()]) + package.group(0) +
                   standing_in(product[package.end():]))
        with open(os.path.join(work, "product.wxs"), "w", encoding="utf-8") as f:
            f.write(product)
        with open(os.path.join(work, "files.wxs"), "w", encoding="utf-8") as f:
            f.write(files_fragment(folder, stand_in))
        env = dict(os.environ, LC_ALL="C.UTF-8")
        msi = os.path.join(work, "mirosuta.msi")
        subprocess.run(["wixl", "-a", "x64", "-D", f"Version={version}", "-D", "Icon=mirosuta.ico",
                        "-o", msi, "product.wxs", "files.wxs"], cwd=work, env=env, check=True)
        with open(os.path.join(work, "_ForceCodepage.idt"), "w", newline="") as f:
            f.write("\r\n\r\n932\t_ForceCodepage\r\n")
        subprocess.run(["msibuild", msi, "-i", "_ForceCodepage.idt"], cwd=work, env=env, check=True)
        tables = set(subprocess.run(["msiinfo", "tables", msi], env=env, check=True,
                                    capture_output=True, text=True).stdout.split())
        queries = [f"UPDATE `{t}` SET `{c}` = '{name}' WHERE `{c}` = '{key}'"
                   for key, name in stand_in.names.items()
                   for t, c in COLUMNS if t in tables]
        # The folder passes to the installing service from any client.
        secure = re.search(r"^SecureCustomProperties\t(.*)$", export(msi, "Property"), re.M)
        queries.append(f"UPDATE `Property` SET `Value` = '{secure.group(1)};CONTENTFOLDER' "
                       "WHERE `Property` = 'SecureCustomProperties'")
        args = ["msibuild", msi]
        for q in queries:
            args += ["-q", q]
        # What Explorer shows of the file: its subject, author and languages.
        args += ["-s", "ミロスタ", "ミロスタ開発チーム", "x64;1041", "{%s}" % str(uuid.uuid4()).upper()]
        subprocess.run(args, cwd=work, env=env, check=True)
        for t in sorted(tables):
            if not t.startswith("_") and re.search(r"zj\d{4}", export(msi, t)):
                sys.exit(f"a stand-in for a Japanese name is left in table {t}")
        os.replace(msi, out)
    print(f"{out}  {os.path.getsize(out)} bytes")


if __name__ == "__main__":
    main()
