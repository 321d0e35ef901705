"""A copy of the committed tree for the mutants, so the work tree stays free
for editing while a run goes on (an hour and more).

The copy is brought up to a new commit file by file: only files whose bytes
changed are rewritten, so the build folder beside it rebuilds only what the
commit touched.
"""
import io
import os
import subprocess
import tarfile


def refresh(root, destination, log):
    """Makes `destination` hold exactly the files of HEAD; returns the commit."""
    commit = subprocess.run(["git", "-C", root, "rev-parse", "HEAD"], check=True,
                            capture_output=True, text=True).stdout.strip()
    stamp = os.path.join(destination, ".mutate-commit")
    if os.path.exists(stamp) and open(stamp).read() == commit:
        return commit
    archive = subprocess.run(["git", "-C", root, "archive", "--format=tar", "HEAD"],
                             check=True, capture_output=True).stdout
    wanted, written = set(), 0
    with tarfile.open(fileobj=io.BytesIO(archive)) as tar:
        for member in tar.getmembers():
            if not member.isfile():
                continue
            path = os.path.join(destination, member.name)
            wanted.add(os.path.normpath(path))
            data = tar.extractfile(member).read()
            if os.path.exists(path):
                with open(path, "rb") as f:
                    if f.read() == data:
                        continue
            os.makedirs(os.path.dirname(path), exist_ok=True)
            with open(path, "wb") as f:
                f.write(data)
            os.chmod(path, member.mode)
            written += 1
    for folder, _dirs, names in os.walk(destination):
        for name in names:
            path = os.path.normpath(os.path.join(folder, name))
            if path not in wanted and name != ".mutate-commit":
                os.remove(path)  # a file the commit deleted: the build globs would still see it
    with open(stamp, "w") as f:
        f.write(commit)
    log(f"copy of {commit[:10]} in {os.path.relpath(destination, root)}: {written} files written")
    return commit
