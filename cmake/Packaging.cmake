# Packaging of the planner as a Debian package.
